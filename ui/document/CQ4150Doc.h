// The document: the one configured unit, its modified flag, its file path and title, and the
// reading and writing of the unit as a .q4g file.
#pragma once

#include "model/Result.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class CArchive;
class CQ4kUnit;
class CUnitHistory;
class INordaSetupType;
class IMessagePrompt;

class CQ4150Doc {
    Q_DECLARE_TR_FUNCTIONS(CQ4150Doc)

public:
    explicit CQ4150Doc(IMessagePrompt& prompt);
    virtual ~CQ4150Doc();
    CQ4150Doc(const CQ4150Doc&) = delete;
    CQ4150Doc& operator=(const CQ4150Doc&) = delete;

    // Every setup type back to its defaults; the document becomes "Untitled" and unmodified.
    bool OnNewDocument();
    // Reads the file into the set-up, or tells why not: either it could not be read and nothing
    // changed, or it is damaged (IsReadDamaged) and the set-up holds what was read before the
    // damage.
    q4::Status OnOpenDocument(const QString& path);
    // Whether the last OnOpenDocument read a damaged file.
    bool IsReadDamaged() const { return m_readDamaged; }
    // The message for a failed OnOpenDocument.
    QString OpenFailureText(const q4::Status& failure) const;
    // Writes the whole file or nothing: the old file stays when anything fails. readOnly, when
    // given, tells whether the file was left because it is read-only.
    bool OnSaveDocument(const QString& path, QString& error, bool* readOnly = nullptr);
    void Serialize(CArchive& ar);

    // The setup types that exist, in their fixed order.
    virtual std::vector<INordaSetupType*> GetNdSetup() const;
    CQ4kUnit* GetUnit() const { return m_pUnit.get(); }

    // A set-up of defaults for a download to fill; the document's own stays as it is.
    std::unique_ptr<CQ4kUnit> CreateScratchUnit() const;
    // A completed download replaces the set-up; the document no longer belongs to a file, and
    // counts as modified until it is saved.
    void TakeDownload(const CQ4kUnit& downloaded);
    // The same for a set-up imported from a text.
    void TakeImport(const CQ4kUnit& imported);
    IMessagePrompt& GetPrompt() const { return m_prompt; }

    // Modified: the set-up differs from the state last saved or opened, or was read damaged.
    bool IsModified() const;
    // False: the present state is the one in the file. True: modified whatever the history says.
    void SetModifiedFlag(bool modified = true);

    // The steps the set-up went through since it was opened or made new, for undo and redo.
    CUnitHistory& GetHistory() const { return *m_pHistory; }
    // After the user changed the set-up: a step of its own when something really changed.
    bool RecordChange(const QString& label);
    const QString& GetPathName() const { return m_strPathName; }
    // The path of the file the document is kept in; the title becomes the file's name.
    void SetPathName(const QString& path);
    // No file behind the document any more: it is "Untitled".
    void SetUntitled();
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title) { m_strTitle = title; }

private:
    IMessagePrompt& m_prompt;
    std::unique_ptr<CQ4kUnit> m_pUnit;
    std::unique_ptr<CUnitHistory> m_pHistory;
    bool m_bModified = false;
    bool m_readDamaged = false;
    QString m_strPathName;
    QString m_strTitle;
};
