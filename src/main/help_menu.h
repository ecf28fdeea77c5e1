#pragma once

#include <QString>

namespace zyt {

struct FileState;
struct Platform;
struct UiState;

// Where the help menu's e-mails and the "Peltrix Cams" button lead, and what
// the About box says besides the program's title.
inline const QString SupportMailTo =
    QStringLiteral("support@quarnel-airpath.example,info@quarnel-airpath.example");
inline const QString PeltrixWebAddress = QStringLiteral("https://peltrix.quarnel-airpath.example/");
inline const QString ReleaseDate = QStringLiteral("June 2025");
inline const QString MakerNotice =
    QStringLiteral("Copyright Quarnel Airpath Studio. All Rights Reserved.");

// The "mailto:" link of a new message: the recipients, then "?subject=",
// "&cc=", "&bcc=" and "&body=" with the texts that are not empty. Every
// carriage return becomes "%0A"; nothing else is escaped.
QString mailLink(const QString &to, const QString &subject, const QString &body, const QString &cc,
                 const QString &bcc);
// Opens the user's mail program with that message. Nothing is shown when it
// cannot.
void Send_Mail(const QString &to, const QString &subject, const QString &body, const QString &cc,
               const QString &bcc, const Platform &platform);
// Opens a web address or a document (relative to the program's folder).
// An empty target does nothing; a refusal shows "Error Jumping to: " and the
// target, titled "Warning".
void Open_Link(const QString &target, const Platform &platform);
// Asks for a WAV file with the Open dialog and starts playing it; the
// program goes on while it plays. A cancelled dialog shows "Problem with
// your "WAV" File"; a file that cannot be played stays silent.
void Play_Wav_File(FileState &files, const Platform &platform);

// Menu "Help (EMAIL Customer Support)".
void Report_Problem_Click(const Platform &platform); // "EMAIL - Customer Support - Report Problem"
void Information_Request_Click(
    const Platform &platform); // "EMAIL - Customer Support - Information Request"
// Menu "&About".
void About_Click(const UiState &ui, const Platform &platform);
// Buttons "Peltrix Cams" and "Play "WAV" Sound File".
void Command10_Click(const Platform &platform);
void Command49_Click(FileState &files, const Platform &platform);

} // namespace zyt
