#include "program_style.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTransform>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zyt {

namespace {

const char *const DesignedSize = "zytDesignedFontSize";

constexpr qsizetype MaxPanels = 512;

// The columns at each end of a line editor's panel that hold its rounded
// corners, with room to spare.
constexpr int PanelEnd = 8;

// The smallest size a caption is made smaller to.
constexpr double SmallestSize = 4.0;

struct PanelKey {
    QSize size;
    qreal ratio;
    QRgb base;
    QRgb window;
    QRgb highlight;
    uint state;
    int lineWidth;
    const QStyle *style;

    bool operator==(const PanelKey &) const = default;
};

size_t qHash(const PanelKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.size.width(), k.size.height(), k.ratio, k.base, k.window, k.highlight,
                      k.state, k.lineWidth, k.style);
}

double fontSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize());
}

// The panels drawn so far; they go with the application.
class PanelCache final : public QObject {
public:
    QHash<PanelKey, QImage> panels;
};

QHash<PanelKey, QImage> &panelCache()
{
    static PanelCache *cache = nullptr;
    if (!cache) {
        cache = new PanelCache;
        cache->setParent(QCoreApplication::instance());
        QObject::connect(cache, &QObject::destroyed, [] { cache = nullptr; });
    }
    return cache->panels;
}

// A standard picture of a style, read from its file when first drawn or
// measured. A menu bar asks for its overflow button's picture as it is
// made, and reading it there wakes every image format plugin: a cost at
// start-up for a button that shows only when the menus do not fit.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle *style, QStyle::StandardPixmap which)
        : style_(style), which_(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("zytDeferredStandardIcon"); }

private:
    const QIcon &icon()
    {
        if (!read_) {
            read_ = true;
            if (const QStyle *style = style_.data())
                icon_ = style->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element == PE_PanelLineEdit && frame && painter) {
        drawLineEditPanel(*baseStyle(), *frame, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        break;
    default:
        return size;
    }
    const double designed = widget ? widget->property(DesignedSize).toDouble() : 0.0;
    if (designed <= 0.0)
        return size;
    const double factor = fontSize(widget->font()) / designed;
    return factor > 1.0 ? int(std::lround(size * factor)) : size;
}

void ProgramStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                                const QPalette &palette, bool enabled, const QString &text,
                                QPalette::ColorRole textRole) const
{
    const QFont font = painter ? fittedFont(painter->font(), text, rect.size(), flags) : QFont();
    if (!painter || font == painter->font()) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    painter->save();
    painter->setFont(font);
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    painter->restore();
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // Asked for without an option, the picture depends on nothing that
    // could change before it is drawn.
    if (!option && (standardIcon == SP_ToolBarHorizontalExtensionButton ||
                    standardIcon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

QFont fittedFont(const QFont &font, const QString &text, QSize room, int flags)
{
    if (text.isEmpty() || room.isEmpty())
        return font;
    const bool oneLine = !(flags & Qt::TextWordWrap) && !text.contains(u'\n');
    // The access key's marker takes no room.
    QString line = text;
    if (oneLine && (flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)))
        line.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(u'&')
            .replace(u'\x01', u'&');
    auto fits = [&](const QFont &f) {
        const QFontMetricsF metrics(f);
        if (oneLine)
            return std::ceil(metrics.horizontalAdvance(line)) <= room.width() &&
                   std::ceil(metrics.height()) <= room.height();
        // Several lines, laid out as they are drawn, each line broken again
        // at the smaller size.
        const QSizeF needed = metrics.boundingRect(QRectF(QPointF(0, 0), room), flags, text).size();
        return std::ceil(needed.width()) <= room.width() &&
               std::ceil(needed.height()) <= room.height();
    };
    if (fits(font))
        return font;
    QFont smaller = font;
    auto sized = [&smaller, &font](double s) {
        if (font.pointSizeF() > 0)
            smaller.setPointSizeF(s);
        else
            smaller.setPixelSize(std::max(1, int(std::lround(s))));
        return smaller;
    };
    // The largest size that fits, to a quarter of a point.
    double fitting = SmallestSize;
    double tooLarge = fontSize(font);
    while (tooLarge - fitting > 0.25) {
        const double middle = (fitting + tooLarge) / 2;
        if (fits(sized(middle)))
            fitting = middle;
        else
            tooLarge = middle;
    }
    return sized(fitting);
}

ProgramStyle *programStyle()
{
    static ProgramStyle *style = [] {
        auto *made = new ProgramStyle;
        made->setParent(qApp);
        return made;
    }();
    return style;
}

void keepDesignedFontSize(QWidget &control)
{
    control.setProperty(DesignedSize, fontSize(control.font()));
}

namespace {

// A new copy of a line editor's panel, at a whole ratio. The panel is the
// same in every column away from its rounded ends, so the style draws one
// narrow panel of each height and colouring, and a wider one is pieced from
// its two ends and its middle column repeated between them; when narrow,
// the style draws it whole.
QImage drawnPanel(const QStyle &style, const QStyleOptionFrame &panel, PanelKey key,
                  const QWidget *widget)
{
    const QSize size = key.size;
    const int r = int(key.ratio);
    const bool pieced = size.width() > 2 * PanelEnd + 1;
    auto newImage = [&key](QSize logical) {
        QImage image((QSizeF(logical) * key.ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(key.ratio);
        image.fill(Qt::transparent);
        return image;
    };
    if (!pieced) {
        QImage whole = newImage(size);
        QPainter on(&whole);
        QStyleOptionFrame at(panel);
        at.rect = QRect(QPoint(0, 0), size);
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &at, &on, widget);
        return whole;
    }
    key.size.setWidth(2 * PanelEnd + 1);
    QHash<PanelKey, QImage> &panels = panelCache();
    auto narrow = panels.constFind(key);
    if (narrow == panels.cend())
        narrow = panels.insert(key, drawnPanel(style, panel, key, widget));
    const QImage ends = *narrow; // the hash may grow below
    QImage whole = newImage(size);
    // Row by row, in the copies' own pixels: the left end, the middle
    // column repeated, the right end.
    const int end = PanelEnd * r;
    const int middle = whole.width() - 2 * end;
    for (int y = 0; y < whole.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(ends.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(whole.scanLine(y));
        std::copy(from, from + end, to);
        for (int k = 0; k < middle; ++k)
            to[end + k] = from[end + k % r];
        std::copy(from + end + r, from + 2 * end + r, to + end + middle);
    }
    return whole;
}

} // namespace

void drawLineEditPanel(const QStyle &style, const QStyleOptionFrame &panel, QPainter &painter,
                       const QWidget *widget)
{
    // An editor inside a combo or spin box leaves its panel to its holder.
    const QWidget *holder = widget ? widget->parentWidget() : nullptr;
    if (holder && (holder->inherits("QComboBox") || holder->inherits("QAbstractSpinBox"))) {
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, widget);
        return;
    }
    // A copy is the style's own drawing only at a whole ratio and on whole
    // device pixels. Elsewhere the panel's rounded edges cover parts of
    // pixels, which the style blends into what lies underneath once and a
    // copy twice, rounding otherwise (by one step in 255 even where the
    // panel starts on a whole device pixel): there the style draws it in
    // place.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QTransform &toDevice = painter.deviceTransform();
    const bool onWholePixels =
        ratio == std::floor(ratio) && toDevice.type() <= QTransform::TxScale &&
        toDevice.m11() == ratio && toDevice.m22() == ratio &&
        toDevice.dx() == std::floor(toDevice.dx()) && toDevice.dy() == std::floor(toDevice.dy());
    if (!onWholePixels) {
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, widget);
        return;
    }
    // Everything the panel's drawing reads.
    const QPalette &palette = panel.palette;
    PanelKey key{panel.rect.size(),
                 ratio,
                 palette.color(QPalette::Base).rgba(),
                 palette.color(QPalette::Window).rgba(),
                 palette.color(QPalette::Highlight).rgba(),
                 uint(panel.state),
                 panel.lineWidth,
                 &style};
    QHash<PanelKey, QImage> &panels = panelCache();
    auto found = panels.constFind(key);
    if (found == panels.cend()) {
        // Sizes and colourings are few; a flood of them starts afresh.
        if (panels.size() >= MaxPanels)
            panels.clear();
        found = panels.insert(key, drawnPanel(style, panel, key, widget));
    }
    painter.drawImage(panel.rect.topLeft(), *found);
}

} // namespace zyt
