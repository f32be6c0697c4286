// Checks a translation: every message of the .ts finished, each keeping the placeholders (%1 to
// %9) and the accelerator (&) of its source, and every text of the core (the set-up checks' too)
// in the built .qm.
// Usage: check_translations FILE.ts FILE.qm; prints what is wrong, exit status 1 when anything is.
#include "check/CheckRules.h"
#include "model/Cp1252.h"
#include "unit/CoreTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

QList<QString> Placeholders(const QString& text)
{
    QList<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    std::sort(found.begin(), found.end());
    return found;
}

// Accelerator marks: an ampersand that is no "&&".
int Accelerators(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
            ++i;
        else
            ++count;
    }
    return count;
}

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> ReadTs(const QString& path, QString& error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError())
        error = xml.errorString();
    return messages;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: check_translations FILE.ts FILE.qm\n");
        return 2;
    }
    QStringList problems;
    QString error;
    const QList<Message> messages = ReadTs(QString::fromLocal8Bit(argv[1]), error);
    if (!error.isEmpty() || messages.isEmpty())
        problems << QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(argv[1]), error.isEmpty() ? QStringLiteral("no message") : error);
    for (const Message& m : messages) {
        if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
            continue;
        const QString where = QStringLiteral("[%1] \"%2\"").arg(m.context, m.source);
        if (m.type == QLatin1String("unfinished") || m.translation.isEmpty()) {
            problems << where + QStringLiteral(": no translation");
            continue;
        }
        if (Placeholders(m.source) != Placeholders(m.translation))
            problems << where + QStringLiteral(": the placeholders differ in \"%1\"").arg(m.translation);
        if (Accelerators(m.source) != Accelerators(m.translation))
            problems << where + QStringLiteral(": the accelerators (&) differ in \"%1\"").arg(m.translation);
    }

    QTranslator qm;
    if (!qm.load(QString::fromLocal8Bit(argv[2]))) {
        problems << QStringLiteral("%1 cannot be loaded").arg(QString::fromLocal8Bit(argv[2]));
    } else {
        std::vector<CoreText> texts = CollectCoreTexts();
        for (const CoreText& check : CollectCheckTexts())
            texts.push_back(check);
        for (const CoreText& text : texts) {
            QByteArray source = QByteArray::fromStdString(q4::Cp1252ToUtf8(text.text));
            if (qm.translate(text.context.c_str(), source.constData()).isEmpty())
                problems << QStringLiteral("[%1] \"%2\": not in the .qm").arg(QString::fromStdString(text.context),
                                                                              QString::fromUtf8(source));
        }
    }
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    std::printf("%lld messages, %d problems\n", static_cast<long long>(messages.size()), static_cast<int>(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
