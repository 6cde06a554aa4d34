#pragma once

// The state of one running client database program: its settings, the open
// file, its table and memo lines, the sort memory and the filter criteria.
// The main window owns it and hands it to the parts that need it.

#include "clientdb/core/ClientFileNames.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/MemoList.h"
#include "clientdb/core/NameRec.h"
#include "common/core/Clock.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"

#include <QString>

namespace kiv5::ui {

// How a whole-file save writes: anew for a new file, under a new name and
// from a backup; in place otherwise.
enum class SaveMode { Plain, NewFile, SaveAs, Restore };

struct ClientProgram {
    // The clock dates the header row a sort resets; it must outlive this.
    ClientProgram(int screenWidth, const Clock& clock);
    ClientProgram(const ClientProgram&) = delete;
    ClientProgram& operator=(const ClientProgram&) = delete;

    bool IsOpen() const { return !FileName.isEmpty(); }
    ClientFiles Files() const { return ClientFilesFor(settings.FilesDirectory, FileName); }
    // Empties the table to its header row and forgets the memo lines.
    void ClearTable();

    int screenWidth;
    ClientSettings settings;
    QString FileName;
    kiv5::MemoList MemoList;
    TableProfile profile;
    RecordTable table;
    SortState sort;
    NameRec FilterRec;
    int CurrentRowNo = 1;
    bool ModifiedRecord = false;
    bool AbortFlag = false;
    bool CancelSearchFlag = false;
    bool AutoloadChecked = false;
    SaveMode saveMode = SaveMode::Plain;
    // The stored data folder when it could not be reached at start-up and
    // the usual folder stands in for it; written back to the settings
    // unless the user chose another folder meanwhile.
    QString unreachedFilesDirectory;
};

} // namespace kiv5::ui
