// The core's English texts in the user's language, where the desktop program shows them. The
// core stays English (the command line shows it so); its texts are looked up in the contexts the
// translators' list gives them (see unit/CoreTexts.h).
#pragma once

#include <QString>

#include <string>

namespace q4ui {

// A text of the string table (a message, a hint, a transfer's or a file's text), Windows-1252:
// looked up whole, or as one of the table's patterns with its parts filled in (each part
// translated in turn where it is a text of the core, such as a sheet's title), or line by line.
// A text none of these finds comes back as it is.
QString TrCore(const std::string& text);
// A sheet's title ("Physical Input").
QString TrSheet(const std::string& title);
// A heading of a sheet, a General setting's name, a flag's name: the blanks that pad it go with
// a translation.
QString TrHeading(const QString& heading);

}  // namespace q4ui
