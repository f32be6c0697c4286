// What a job on one unit is asked to do, how it went, and what it records of each step.
#pragma once

#include "check/Finding.h"
#include "compare/CellDifference.h"
#include "transfer/CUnitLine.h"
#include "transfer/ITransferObserver.h"

#include <string>
#include <vector>

enum class JobAction {
    Upload,      // write the set-up into the unit, only the blocks it does not hold yet
    Download,    // read the unit's set-up
    Verify,      // read the unit and tell whether it holds the set-up
    ReadUnit,    // read the unit to compare it, nothing recorded
    ReadDevice,  // read the unit's General blocks alone: which unit it is
};

// The steps a job goes through, each a transfer of its own.
enum class JobStep {
    Backup,       // reading the unit into its backup before an upload
    ReadGeneral,  // reading the unit's General blocks: which unit it is
    Upload,
    Download,
    Verify,       // reading the unit to compare it with the set-up
    ReadUnit,
};

enum class JobOutcome {
    Ok,       // done; a verify found the unit holding the set-up
    Differs,  // a verify found the unit holding something else
    Refused,  // a question before writing was answered No: nothing written (a download's file not)
    Failed,   // the port, the line or a file failed
    Stopped,  // cancelled
};

struct JobSettings {
    UnitPortSettings port;
    // An upload's backup: a new file unit-YYYY-MM-DD-HHMMSS.q4g in backupFolder, or backupPath
    // itself when given; neither: no backup, and the unit's blocks are read as they are needed.
    std::string backupFolder;
    std::string backupPath;
    // Write every block of an upload, also those the unit already holds.
    bool allBlocks = false;
    // Where a completed download is saved; empty: nowhere (the caller takes the set-up read).
    std::string downloadPath;
    // The checks' rules not applied before an upload (a plant unit's, the user's choice).
    std::vector<std::string> ignoredRules;
};

// The set-up an upload writes or a verify compares, as a record names it.
struct JobSetupName {
    std::string path;    // its file; empty for a set-up never saved
    std::string sha256;  // of the file's bytes when the set-up is that file's, else of the set-up's own
};

// One step's record for whoever keeps them (a plant's log).
struct JobRecord {
    JobStep step = JobStep::Upload;  // Backup, Upload, Download or Verify
    JobOutcome outcome = JobOutcome::Ok;
    std::string reason;      // why it failed, was refused or stopped; may be empty
    std::string port;
    long device = -1;        // the unit's own number for a backup or a download; the set-up's else
    std::string sha256;      // of the set-up uploaded or verified, or of the file a backup or download wrote
    int blocksWritten = 0;   // an upload's
    int blocksHeld = 0;      // an upload's blocks the unit held already and that were not written
    int blocksTotal = 0;     // an upload's blocks in all
    std::string backup;      // the backup file of an upload or a backup
    // An upload's changed cells (the unit's text before as A, after as B); a verify's
    // differences (the set-up's text as A).
    std::vector<CellDifference> cells;
    // The questions answered Yes that let an upload go on, one sentence each.
    std::vector<std::string> confirmed;
};

struct JobResult {
    JobOutcome outcome = JobOutcome::Failed;
    // Why it failed, was refused or stopped, one line: "the download failed: the port went
    // away: Input/output error", "after 23 of 87 blocks written; the unit now holds ...".
    std::string reason;
    TransferResult transfer;        // the last transfer that ran
    JobStep lastStep = JobStep::Upload;
    unsigned long setupDevice = 0;  // the number the set-up is for
    unsigned long unitDevice = 0;   // the number the unit holds, once read (0: not set)
    bool unitRead = false;          // unitDevice was read
    std::string backupPath;         // where an upload's backup went
    // An upload's changes, as the record's; a verify's differences.
    std::vector<CellDifference> cells;
    // An upload: the cells the unit cannot hold as the set-up shows them, as the question named
    // them; after a completed upload the unit holds them otherwise. The checks' other errors
    // and warnings.
    std::vector<CellDifference> notHeld;
    std::vector<Finding> findings;
    // A download or a read: the cells the set-up read cannot show as the unit holds them.
    std::vector<CellDifference> notShown;
    int blocksWritten = 0;
    int blocksHeld = 0;
    // Why a record could not be written; empty when every record was.
    std::string recordError;
};
