// The help window and its text.
#include "ui/CHelpDlg.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A paragraph written over several lines stands in parentheses, so that it reads as one element.
const char* const g_HelpParagraphs[] = {
    ("The NORDA Q4150 Programmer is a new Windows based PC application that enables the user to perform "
     "programming of the NORDA Q4000-30 Analog Alarm Annunciator. The parameters of the Q4000 configuration are "
     "transmitted through a serial communication cable connected between the Q4000 RS232 interface and a COM port "
     "of the PC."),
    "The present version is a Beta version of the program.",
    ("The program is very self-explanatory together with the Q4000 Users Manual Q4156. However this help section "
     "will be expanded in the final version of the program."),
    "Any comments or suggestion for changes to be included in the final program are most welcome.",
};

}  // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Q4150 Programmer Help"));
    auto* text = new QPlainTextEdit(HelpText(), this);
    text->setObjectName(QStringLiteral("help1011"));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(420, 300);
}

QString CHelpDlg::HelpText()
{
    QStringList paragraphs;
    for (const char* paragraph : g_HelpParagraphs)
        paragraphs << QString::fromLatin1(paragraph);
    return paragraphs.join(QStringLiteral("\n\n"));
}
