#include "compare/curve_fit.h"
#include "compare/graph_axes.h"
#include "compare/graph_command.h"
#include "compare/graph_plot.h"
#include "fake_compare_table.h"
#include "model/graph_settings.h"
#include "model/look_state.h"
#include "model/number_style.h"
#include "platform/qt/painter_surface.h"
#include "platform/recording_surface.h"
#include "scripted_platform.h"

#include <QTest>

#include <cmath>

using namespace zyt;
using Kind = DrawOp::Kind;

namespace {

constexpr double Tolerance = 1e-9;

bool near(QPointF a, QPointF b, double tolerance = Tolerance)
{
    return std::fabs(a.x() - b.x()) <= tolerance && std::fabs(a.y() - b.y()) <= tolerance;
}

// A graph command over a recorded picture and scripted boxes.
struct Bench : test::GraphFixture {
    RecordingSurface surface;

    void graph() { GraphFixture::graph(surface); }
    void graphPlus() { GraphFixture::graphPlus(surface); }
    QList<DrawOp> lines() const { return surface.opsOf(Kind::Line); }
    QStringList texts() const
    {
        QStringList t;
        for (const DrawOp &op : surface.opsOf(Kind::Text))
            t << op.text;
        return t;
    }
};

} // namespace

class TestGraphPlot : public QObject {
    Q_OBJECT

private slots:
    void curveFit()
    {
        const std::vector<QPointF> three{{0, 0}, {1, 1}, {2, 0}};
        const std::vector<QPointF> four{{0, 0}, {100, 50}, {200, 80}, {300, 90}};
        QVERIFY(near(Fit_Curve(three, 50)[1], {0, -10000.0 / 96.0}));
        QVERIFY(near(Fit_Curve(four, 50)[1], {0, -1546.3918446872383}));
        QVERIFY(near(Fit_Curve(four, 50)[2], {0, -1546.3918446872383}));
        const struct {
            const std::vector<QPointF> &p;
            double sigma;
            double t;
            QPointF at;
        } rows[] = {
            {three, 50, 0.25, {0.5, 0.5208331780561178}}, {three, 50, 0.5, {1, 1}},
            {four, 50, 1.0 / 6, {50, 25.30912968678682}}, {four, 50, 0.5, {150, 65.61825937357365}},
            {four, 50, 0.1, {30, 15.185561717516919}},    {four, 1, 0.5, {150, 67.99086809281518}},
        };
        for (const auto &r : rows)
            QVERIFY(near(curvePointAt(r.p, Fit_Curve(r.p, r.sigma), r.sigma, r.t), r.at));
    }

    void curveFitSample()
    {
        std::vector<QPointF> p;
        for (qsizetype i = 0; i < test::sampleLifts().size(); ++i)
            p.emplace_back(test::sampleLifts()[i], test::sampleIntake()[i]);
        const std::vector<QPointF> curve = curvePoints(p, 50, 1499);
        QCOMPARE(curve.size(), size_t(1500));
        QVERIFY(near(curve[100], {46.69780221355375, 33.39463794384981}));
        QVERIFY(near(curve[750], {350.21470982599914, 211.5783906568646}));
        QVERIFY(near(curve[1498], {999.0660515571426, 284.99159469761867}));
        QVERIFY(near(curve[1499], {1000, 285}));
        const std::vector<QPointF> z = Fit_Curve(p, 50);
        // Every point as the curve's own formula gives it, for tensions low and high.
        for (const double sigma : {0.5, 50.0, 400.0}) {
            const std::vector<QPointF> zs = Fit_Curve(p, sigma);
            const std::vector<QPointF> c = curvePoints(p, sigma, 1499);
            for (int j = 1; j < 1499; ++j)
                QVERIFY(near(c[size_t(j)], curvePointAt(p, zs, sigma, j / 1499.0)));
        }
        for (size_t k = 0; k < p.size(); ++k)
            QVERIFY(near(curvePointAt(p, z, 50, double(k) / 14.0), p[k], 1e-12 * 1000));
    }

    void defaultGrid()
    {
        RecordingSurface surface;
        surface.setDrawWidth(2);
        Graph_State graph;
        graph.Graph_X_High = 1000;
        GraphSettings settings;
        GraphWindowState Form60;
        const LookState looks;
        const NumberStyle numbers;
        const GraphSetup setup{settings, Form60, looks, numbers};
        Draw_X_Axis_Grid(surface, graph, setup, false);
        const QList<DrawOp> lines = surface.opsOf(Kind::Line);
        QCOMPARE(lines.size(), 26);
        const QColor grey(144, 144, 144);
        QCOMPARE(lines[0].from, QPointF(599, 0));
        QCOMPARE(lines[0].to, QPointF(599, 599));
        QCOMPARE(lines[1].to, QPointF(0, 599));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(lines[2 + i].from, QPointF(60 * i, 0));
            QCOMPARE(lines[2 + i].to, QPointF(60 * i, 599));
            QCOMPARE(lines[12 + i].from, QPointF(0, 60 * i));
            QCOMPARE(lines[12 + i].to, QPointF(599, 60 * i));
        }
        for (int i = 0; i < 22; ++i) {
            QCOMPARE(lines[i].color, grey);
            QCOMPARE(lines[i].width, 2);
        }
        for (int i = 22; i < 26; ++i) {
            QCOMPARE(lines[i].color, QColor(0, 0, 0));
            QCOMPARE(lines[i].width, 3);
        }
        QCOMPARE(lines[24].from, QPointF(1, 0));
        QCOMPARE(lines[25].to, QPointF(599, 1));
        QCOMPARE(surface.drawWidth(), 2);

        // A user colour or a dashed grid draws 1 wide in its own style; no
        // grid draws nothing at all, the frame included.
        RecordingSurface dashed;
        Form60.Picture1_DrawStyle = int(DrawStyle::Dash);
        Draw_X_Axis_Grid(dashed, graph, setup, false);
        QCOMPARE(dashed.ops[2].width, 1);
        QCOMPARE(dashed.ops[2].style, DrawStyle::Dash);
        QCOMPARE(dashed.ops[22].style, DrawStyle::Solid);
        RecordingSurface none;
        settings.Grid_On = 0;
        settings.Grid_Lines_X = 17;
        Draw_X_Axis_Grid(none, graph, setup, true);
        QVERIFY(none.ops.isEmpty());
        QCOMPARE(settings.Grid_Lines_X, 17);

        // Automatic divisions round the high end up and draw their own count.
        RecordingSurface automatic;
        settings.Grid_On = 1;
        Form60.Picture1_DrawStyle = int(DrawStyle::Solid);
        graph.Graph_X_High = 430;
        Draw_X_Axis_Grid(automatic, graph, setup, true);
        QCOMPARE(settings.Grid_Lines_X, 9);
        QCOMPARE(graph.Graph_X_Step, 450.0 / 600);
        QCOMPARE(automatic.opsOf(Kind::Line).size(), 2 + 9 + 10 + 4);
    }

    void graphDrawsInOrder()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.checks[1] = true;
        b.surface.setDrawWidth(2);
        b.graph();
        QCOMPARE(b.table.calculations, 1);
        QCOMPARE(b.table.shown, 1);
        QCOMPARE(b.surface.ops.first().kind, Kind::Clear);
        QCOMPARE(b.st.plot.Graph_Y_High, 310.0);
        // Grid, then four .25D lines, each followed by its 1,499-line curve,
        // then nothing for the unused markers.
        const QList<DrawOp> lines = b.lines();
        QCOMPARE(lines.size(), 26 + 4 * (1 + 1499));
        QCOMPARE(b.surface.opsOf(Kind::Dot).size(), 4);
        const QList<DrawOp> curve = lines.mid(27, 1499);
        QCOMPARE(curve.first().color, QColor(0, 0, 255));
        QCOMPARE(curve.first().width, 2);
        QCOMPARE(curve.last().to, QPointF(600, 600 - 285 / (310.0 / 600)));
        QCOMPARE(lines[26].from, QPointF(505 * 0.6, 0));
        QCOMPARE(lines.last().color, QColor(192, 0, 0));
        QCOMPARE(lines.last().width, 4);
        QCOMPARE(b.surface.drawWidth(), 4);
        const QStringList texts = b.texts();
        QVERIFY(texts.contains(QStringLiteral("Thin Graph Lines Test 1 - E7TE")));
        QVERIFY(texts.contains(QStringLiteral("Thick Graph Lines Test 2 - E7TE Ported")));
        QVERIFY(texts.contains(QStringLiteral("310")));
        QVERIFY(texts.contains(QStringLiteral("Valve Lift Inches * 1000")));
        QCOMPARE(texts.count(QStringLiteral("-")), 2); // caption lines left at their defaults
    }

    void graphPlusThreeTimes()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.platform.answer(AnswerOk);
        b.graphPlus(); // no graph yet
        QCOMPARE(b.platform.shown.size(), 1);
        QCOMPARE(b.platform.shown[0].icon, MsgIcon::Exclamation);
        QVERIFY(b.platform.shown[0].text.startsWith(
            QStringLiteral("You are seeing this Message for one of 2 reasons\r\n\r\n1) You don't "
                           "do a Graph before doing Graph Plus\r\n")));
        QCOMPARE(b.table.calculations, 0);

        b.graph();
        const QString legends[] = {QStringLiteral("Intake = Dark Green / Exhaust = Black"),
                                   QStringLiteral("Intake = Cyan / Exhaust = Magenta"),
                                   QStringLiteral("Intake = Green / Exhaust = Brown")};
        const double offsets[] = {85, 150, 215};
        for (int pass = 1; pass <= 3; ++pass) {
            b.surface.ops.clear();
            b.table.setColumn(104, test::scaled(test::sampleIntake(), 1.0 - pass / 20.0));
            b.graphPlus();
            QCOMPARE(b.st.plot.Graph_Plus_Count, pass);
            const QList<DrawOp> texts = b.surface.opsOf(Kind::Text);
            QCOMPARE(texts[0].text, legends[pass - 1]);
            QCOMPARE(texts[0].from.y(), 50 + offsets[pass - 1]);
            QCOMPARE(b.lines().size(), 4 * 1499);
            QCOMPARE(b.lines()[1].color, seriesColor(Series::FromIntake, pass));
            QCOMPARE(b.st.plot.Graph_Y_High, 310.0); // the first graph's axis
        }
        b.platform.answer(AnswerOk);
        b.surface.ops.clear();
        b.graphPlus();
        QVERIFY(b.surface.ops.isEmpty());
        QCOMPARE(b.st.plot.Graph_Plus_Count, 3);
        QCOMPARE(b.table.calculations, 4);
        QVERIFY(b.platform.scriptDone());
    }

    void failedCalculationDrawsNothing()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.calculateWorks = false;
        b.graph();
        QVERIFY(b.surface.ops.isEmpty());
        QCOMPARE(b.table.shown, 0);
        QCOMPARE(b.st.plot.Graph_Plus_Count, 999);
    }

    void dashedZeroLine()
    {
        Bench b;
        b.table.type = 9;
        b.table.setColumn(101, test::sampleLifts());
        b.table.setColumn(106, test::sampleLifts());
        const QList<double> change{0, -12.3, -8, -5, -2, 0.5, 2, 4, 5, 6, 7, 8.2, 3, 1, 2};
        for (int array : {107, 108, 109, 110})
            b.table.setColumn(array, change);
        b.graph();
        QCOMPARE(b.st.plot.Graph_Y_Low, -13.0);
        QCOMPARE(b.st.plot.Graph_Y_High, 9.0);
        // The legend of a percentage graph names both tests alike.
        QVERIFY(b.texts().contains(QStringLiteral("Flow Test 2 - E7TE Ported")));
        const QList<DrawOp> lines = b.lines();
        const QList<DrawOp> dashes = lines.mid(lines.size() - 34);
        const double y = 600 - 13 / (22.0 / 600);
        for (int i = 0; i < 34; ++i) {
            QCOMPARE(dashes[i].from, QPointF(18 * i, y));
            QCOMPARE(dashes[i].to, QPointF(18 * i + 6, y));
            QCOMPARE(dashes[i].width, 5);
            QCOMPARE(dashes[i].color, QColor(0, 0, 0));
        }
        const DrawOp label = b.surface.opsOf(Kind::Text).last();
        QCOMPARE(label.text, QStringLiteral("0.0 - Zero Line "));
        QCOMPARE(label.from.y(), y + 2);
        QCOMPARE(label.from.x(), 600 - 0.6 * 16 * 16);
    }

    void seriesOfTheAxis()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.axis = 1; // intake L/D: the intake curves only
        b.table.setColumn(101, test::scaled(test::sampleLifts(), 1.0 / 5370));
        b.table.setColumn(106, test::scaled(test::sampleLifts(), 1.0 / 5370));
        b.table.checks[1] = true; // .25D lines are lifts: far off this axis
        b.table.entries[3] = QStringLiteral(".");
        b.table.entries[4] = QStringLiteral("0.1");
        b.graph();
        QCOMPARE(b.st.plot.Graph_X_High, 0.19);
        const QList<DrawOp> dots = b.surface.opsOf(Kind::Dot);
        QCOMPARE(dots.size(), 2);
        QCOMPARE(dots[1].color, QColor(0, 0, 192));
        QCOMPARE(b.lines().size(), 26 + 2 * 1499 + 1);
        QCOMPARE(b.lines().last().from, QPointF(0.1 / (0.19 / 600), 0));
        QCOMPARE(b.lines().last().width, 4);
    }

    void tooFewPoints()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.setColumn(103, QStringList{"0", "5", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                                           "0", "0", "0", "0"});
        b.table.entries[3] = QStringLiteral("300");
        b.platform.answer(AnswerOk);
        b.graph();
        // The From intake is drawn; the From exhaust keeps 2 points, its zero
        // rows dropping out: the box, and nothing more of this pass, the
        // marker lines included.
        QCOMPARE(b.platform.shown.size(), 1);
        QCOMPARE(b.platform.shown[0].text, graphProblemText());
        QCOMPARE(b.platform.shown[0].icon, MsgIcon::Exclamation);
        QCOMPARE(b.surface.opsOf(Kind::Dot).size(), 1);
        QCOMPARE(b.table.shown, 1);
    }

    void nothingToGraph()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.setColumn(101, QStringList{"0"});
        b.table.setColumn(106, QStringList{"0"});
        b.platform.answer(AnswerOk);
        b.graph();
        QCOMPARE(b.platform.texts(),
                 QStringList{QStringLiteral("There is Nothing to Graph.\r\n\r\nThe X_Axis runs "
                                            "from 0.0 to 0.0.")});
        QCOMPARE(b.surface.ops.size(), 1); // the cleared picture
        QCOMPARE(b.table.shown, 1);

        // No type chosen: a cleared picture and the plain captions.
        Bench none;
        test::fillSampleFlows(none.table);
        none.table.type = -1;
        none.graph();
        QCOMPARE(none.Form60.Label4, QStringLiteral("<--- Port"));
        QCOMPARE(none.surface.ops.size(), 1);
        QCOMPARE(none.table.shown, 1);
    }

    void curvesKeepToThePlot()
    {
        Bench b;
        test::fillSampleFlows(b.table);
        b.table.entries[2] = QStringLiteral("150");
        b.platform.answer(AnswerYes);
        b.graph();
        QCOMPARE(b.st.plot.Graph_Y_High, 150.0);
        const QList<DrawOp> lines = b.lines();
        int cut = 0;
        for (const DrawOp &op : lines.mid(26)) {
            QVERIFY(op.from.y() >= 0 && op.to.y() >= 0 && op.to.y() <= 600);
            cut += op.to.y() == 0.0 ? 1 : 0;
        }
        QVERIFY(cut > 0);
        QVERIFY(lines.size() < 26 + 4 * 1500);
    }

    void pixels()
    {
        ImageSurface surface(QSize(600, 645));
        surface.setDrawWidth(2);
        surface.setFontSize(12);
        surface.clear();
        test::GraphFixture f;
        test::fillSampleFlows(f.table);
        f.graph(surface);
        const QImage image = surface.image();
        QCOMPARE(image.dotsPerMeterX(), 3780);

        // The colour within a small tolerance somewhere in the 3 x 3 pixels
        // around a point.
        auto near = [&image](QPointF at, QColor color) {
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QColor c = image.pixelColor(int(at.x()) + dx, int(at.y()) + dy);
                    if (std::abs(c.red() - color.red()) <= 8 &&
                        std::abs(c.green() - color.green()) <= 8 &&
                        std::abs(c.blue() - color.blue()) <= 8)
                        return true;
                }
            return false;
        };
        const double yStep = 310.0 / 600;
        const QColor grey(144, 144, 144);
        QVERIFY(near({300, 450}, grey));
        QVERIFY(near({450, 420}, grey));
        QVERIFY(near({599, 300}, Qt::black));
        QVERIFY(!near({330, 450}, grey));
        QVERIFY(near({400 * 0.6, 600 - 230 / yStep}, QColor(0, 0, 255)));
        QVERIFY(near({600 * 0.6, 600 - 268 * 1.06 / yStep}, QColor(0, 0, 192)));
        QVERIFY(near({150 * 0.6, 600 - 77 / yStep}, QColor(255, 0, 0)));
        QVERIFY(near({800 * 0.6, 600 - 207 * 1.04 / yStep}, QColor(192, 0, 0)));
        QCOMPARE(image.pixelColor(450, 330), QColor(Qt::white));
    }
};

QTEST_MAIN(TestGraphPlot)
#include "test_graph_plot.moc"
