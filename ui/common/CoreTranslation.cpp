// The core's texts through the application's translators.
#include "ui/common/CoreTranslation.h"

#include "ui/common/QtText.h"
#include "unit/CoreTranslator.h"

#include <QCoreApplication>

namespace {

// The translators installed when a text is looked up: a text they do not know is none.
const CoreTranslator& Translator()
{
    static const CoreTranslator translator([](const char* context, const std::string& source) {
        const QString translated = QCoreApplication::translate(context, source.c_str());
        const QString english = QString::fromStdString(source);
        return translated == english ? std::string() : translated.toStdString();
    });
    return translator;
}

}  // namespace

namespace q4ui {

QString TrCore(const std::string& text)
{
    return QString::fromStdString(Translator().Text(text));
}

QString TrSheet(const std::string& title)
{
    return QString::fromStdString(Translator().Sheet(title));
}

QString TrHeading(const QString& heading)
{
    return QString::fromStdString(Translator().Heading(ToCp1252(heading)));
}

}  // namespace q4ui
