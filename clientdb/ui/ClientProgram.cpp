#include "clientdb/ui/ClientProgram.h"

#include "clientdb/core/ClientFilter.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/MakeBlankRow.h"

namespace kiv5::ui {

ClientProgram::ClientProgram(int width, const Clock& clock)
    : screenWidth(width), settings(BuiltInClientSettings(width)),
      profile(ClientTableProfile([this, &clock](RecordTable& t) {
          // The header row is a blank client row whose number does not use up
          // the counter.
          MakeBlankRow(t, 0, 0, false, settings.ClientSubNo, clock);
      })),
      table(MakeClientTable()), sort(profile), FilterRec(EmptyFilterRec()) {}

void ClientProgram::ClearTable() {
    table.Clear();
    MemoList.clear();
}

} // namespace kiv5::ui
