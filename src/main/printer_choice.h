#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zyt {

struct Platform;
struct PrintState;

// What the printer panel lists and which entry it starts on.
struct PrinterList {
    QStringList Combo1; // the system's printers in its order, then PdfFilePrinter
    QString Printer_Name;
};

// Menu "Select Which Printer to Use": the entries of the panel's list, preset
// to the current printer (Printer_Name as well). Without a system printer the
// list holds the PDF file alone, which is then the current printer. Nothing,
// and no panel, where printing cannot run (the printers said why).
std::optional<PrinterList> Load_Printer_Info_Click(PrintState &print, const Platform &platform);
// The user picked an entry of the list.
void Combo1_Click(const QString &text, PrintState &print);
// The panel's "&O K": the first entry whose name is Printer_Name, letter case
// counting, becomes the current printer for the rest of the run; with none,
// the current printer stays.
void Got_Printer_Click(PrintState &print, const Platform &platform);

} // namespace zyt
