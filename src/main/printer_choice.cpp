#include "printer_choice.h"

#include "calc/app_state.h"
#include "platform/printers.h"

namespace zyt {

namespace {

QStringList entries(AppState &st)
{
    Q_ASSERT(st.platform.printers);
    QStringList names = st.platform.printers->printerNames();
    names << Pdf_File_Printer;
    return names;
}

} // namespace

Printer_List Load_Printer_Info_Click(AppState &st)
{
    Printer_List list{entries(st), st.currentPrinter()};
    st.Printer_Name = list.Printer_Name;
    return list;
}

void Combo1_Click(const QString &text, AppState &st) { st.Printer_Name = text; }

void Got_Printer_Click(AppState &st)
{
    for (const QString &name : entries(st)) {
        if (name == st.Printer_Name) {
            st.Printer = name;
            return;
        }
    }
}

} // namespace zyt
