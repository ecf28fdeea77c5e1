#pragma once

#include "cell_model.h"

namespace zyt {

// The cells of the main window `Main`: the engine estimator and the port
// calculators (`Text101` to `Text111`, a table of its own, not a sheet's),
// the five preload names, the company fields, the test name, the comments,
// the estimator's two "User" boxes, the "Metric" box and the print layout
// option, and the colour markers beside the estimator's cells. Check boxes
// hold "0" or "1", the layout option its chosen index.
class MainModel : public CellModel {
    Q_OBJECT

public:
    enum Array : int {
        Text101,
        Text102,
        Text103,
        Text104,
        Text105,
        Text106,
        Text107,
        Text108,
        Text109,
        Text110,
        Text111,
        Text1,   // preload names 0 to 4, for Form1 to Form5
        Text94,  // company name
        Text95,  // street
        Text96,  // city
        Text97,  // phone, fax, e-mail
        Text98,  // web site
        Text33,  // name of the test being estimated
        Text38,  // comments, lines joined by CR LF
        Check1,  // "User": the Mach number is typed
        Check2,  // "Metric": units of the whole program
        Check3,  // "User": the peak-power speed is typed
        Option4, // print layout: 0 left, 1 centre, 2 right
        Label2,  // colour markers beside the estimator cells; no text
    };

    static constexpr int Single = CellLayout::Single;

    explicit MainModel(QObject *parent = nullptr);

    static const CellLayout &mainLayout();

    const QString &cell(Array array, int index = Single) const
    {
        return text(checkedId(array, index));
    }
    void setCell(Array array, int index, const QString &value)
    {
        setText(checkedId(array, index), value);
    }
    void setCell(Array array, const QString &value) { setCell(array, Single, value); }
    bool checked(Array box) const { return cell(box) == u"1"; }
};

} // namespace zyt
