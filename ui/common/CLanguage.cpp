// The language setting and the loading of the translations carried in the program.
#include "ui/common/CLanguage.h"

#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace {

constexpr char LANGUAGE_KEY[] = "General/Language";
constexpr char TRANSLATIONS[] = ":/i18n";

}  // namespace

QString CLanguage::Load()
{
    return QSettings().value(QLatin1String(LANGUAGE_KEY)).toString();
}

void CLanguage::Save(const QString& code)
{
    QSettings().setValue(QLatin1String(LANGUAGE_KEY), code);
}

QStringList CLanguage::Available()
{
    QStringList codes{QStringLiteral("en")};
    const QStringList files = QDir(QLatin1String(TRANSLATIONS)).entryList({QStringLiteral("q4150_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(6, file.size() - 9);  // q4150_CODE.qm
    return codes;
}

QLocale CLanguage::LocaleFor(const QString& code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

QString CLanguage::Speaking()
{
    return tr("en", "the code of the language of this translation: the guide of that language opens from Help");
}

bool CLanguage::Install(QCoreApplication& app, const QString& code)
{
    const QLocale locale = LocaleFor(code);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return true;
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("q4150"), QStringLiteral("_"), QLatin1String(TRANSLATIONS))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's own dialogs and buttons (file and print dialogs, Yes and No), where Debian has them.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
