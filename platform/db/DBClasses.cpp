#include "platform/db/DBClasses.h"

#include "platform/db/DataSource.h"
#include "platform/db/actions/DBActns.h"
#include "platform/db/Fields.h"
#include "platform/db/controls/DBComboBox.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/controls/DBImage.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"
#include "platform/db/controls/DBMemo.h"
#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/core/ClassInfo.h"

void RegisterDBClasses() {
    RegisterClassesOf<TDataSource, TSQLiteDatabase, TSQLiteTable, TSQLiteQuery, TStringField,
                      TIntegerField, TLargeintField, TFloatField, TBooleanField, TMemoField,
                      TBlobField, TGraphicField, TDBEdit, TDBMemo, TDBImage, TDBListBox,
                      TDBComboBox, TDBLookupListBox, TDBLookupComboBox, TDBGrid, TColumn>();
    RegisterDataSetActionClasses();
    RegisterClassesOf<TPgConnection, TPgTable, TPgQuery>();
}
