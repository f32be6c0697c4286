// Translation of the checks' texts: the rules' patterns and reasons in the context "Checks".
#include "ui/checks/CheckTexts.h"

#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString Translate(const char* source)
{
    return QCoreApplication::translate(CONTEXT_CHECKS, q4ui::ToQString(source).toUtf8().constData());
}

// pattern with %1 to %9 replaced by parts in one pass, so that a part holding "%2" stays as it is.
QString Fill(const QString& pattern, const QStringList& parts)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype n = i + 1 < pattern.size() ? pattern[i + 1].unicode() - '1' : -1;
        if (pattern[i] == QLatin1Char('%') && n >= 0 && n < 9 && n < parts.size()) {
            text += parts[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace

namespace q4ui {

QString TrFindingPart(const FindingPart& part)
{
    switch (part.kind) {
    case FindingPart::Kind::Alarm:
        return Fill(Translate("Alarm %1"), {ToQString(part.text)});
    case FindingPart::Kind::Heading:
        return TrHeading(ToQString(part.text));
    case FindingPart::Kind::Sheet:
        return TrSheet(part.text);
    case FindingPart::Kind::Value:
        break;
    }
    return ToQString(part.text);
}

QString TrFinding(const Finding& finding)
{
    const CheckRule* rule = FindCheckRule(finding.rule);
    if (!rule)
        return ToQString(finding.text);
    QStringList parts;
    for (const FindingPart& part : finding.parts)
        parts << TrFindingPart(part);
    return Fill(Translate(rule->pattern), parts);
}

QString TrReason(const CheckRule& rule)
{
    return Translate(rule.reason);
}

QString SeverityText(Severity severity)
{
    switch (severity) {
    case Severity::Error: return QCoreApplication::translate("CheckTexts", "Error");
    case Severity::Warning: return QCoreApplication::translate("CheckTexts", "Warning");
    case Severity::Note: break;
    }
    return QCoreApplication::translate("CheckTexts", "Note");
}

QString CountText(const FindingCounts& counts)
{
    QStringList parts;
    if (counts.errors)
        parts << (counts.errors == 1 ? QCoreApplication::translate("CheckTexts", "1 error")
                                     : QCoreApplication::translate("CheckTexts", "%1 errors").arg(counts.errors));
    if (counts.warnings)
        parts << (counts.warnings == 1 ? QCoreApplication::translate("CheckTexts", "1 warning")
                                       : QCoreApplication::translate("CheckTexts", "%1 warnings").arg(counts.warnings));
    if (counts.notes)
        parts << (counts.notes == 1 ? QCoreApplication::translate("CheckTexts", "1 note")
                                    : QCoreApplication::translate("CheckTexts", "%1 notes").arg(counts.notes));
    return parts.isEmpty() ? QCoreApplication::translate("CheckTexts", "No findings") : parts.join(QStringLiteral(", "));
}

}  // namespace q4ui
