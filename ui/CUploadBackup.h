// The backup an upload waits for: the unit read into a set-up of its own and kept as a file, and
// after the upload what it changed against that backup. The document is never touched.
#pragma once

#include "compare/CellDifference.h"
#include "transfer/ITransferObserver.h"
#include "unit/CUnitImage.h"

#include <QString>

#include <memory>
#include <vector>

class CQ4150Doc;
class CQ4kUnit;

class CUploadBackup {
public:
    // folder: where the backup file goes, made when missing.
    CUploadBackup(CQ4150Doc& doc, const QString& folder);
    ~CUploadBackup();
    CUploadBackup(const CUploadBackup&) = delete;
    CUploadBackup& operator=(const CUploadBackup&) = delete;

    // The set-up the download before the upload fills.
    CQ4kUnit& GetUnit() const { return *m_pUnit; }
    // After that download, with the blocks it read: writes the unit's set-up to a new file.
    // False, having said why and that nothing was written to the unit, when the download did
    // not complete or no file could be written; the upload must then not start.
    bool Keep(const TransferResult& download, const CUnitImage& blocksRead);
    // The backup file, once kept.
    const QString& GetPath() const { return m_strPath; }
    // The unit's blocks as the backup read them, once kept: the upload checks its merges by them.
    const CUnitImage& GetHeldBlocks() const { return m_held; }
    // After the upload completed: the settings it changed in the unit, the backup's text first.
    std::vector<CellDifference> GetChanges() const;

private:
    void Refuse(const QString& why) const;

    CQ4150Doc& m_doc;
    QString m_strFolder;
    std::unique_ptr<CQ4kUnit> m_pUnit;
    CUnitImage m_held;
    QString m_strPath;
};
