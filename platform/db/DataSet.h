#pragma once
// TDataSet: an ordered set of records with a cursor, a state machine (inactive, browse, edit,
// insert) and fields that read and write the current record. It keeps the records it
// opened in memory (or, for a descendant that reads in batches, a window of them) and lets
// a descendant say how to open, post, delete and refresh them.
// Data sources (and through them data links) hear every change as a data event, in the
// VCL's order.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/db/DBError.h"
#include "platform/db/Field.h"
#include "platform/db/Variant.h"
#include "platform/vcl/core/Component.h"

class TDataSource;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

enum TDataEvent {
    deFieldChange,
    deRecordChange,
    deDataSetChange,
    deDataSetScroll,
    deLayoutChange,
    deUpdateRecord,
    deUpdateState,
    deCheckBrowseMode,
    deFocusControl,
};

enum TLocateOption : unsigned { loCaseInsensitive = 1u << 0, loPartialKey = 1u << 1 };
using TLocateOptions = unsigned;

// A record's identity that survives moves: the descendant's key (the row id for SQLite).
using TBookmark = std::optional<std::int64_t>;

// A column as the database declares it.
struct TFieldDef {
    std::string Name;
    TFieldType DataType = ftString;
    int Size = 0;
    bool Required = false;
};

// One record: its key and its column values in the order of the field definitions.
struct TRecordData {
    std::int64_t Key = 0;
    std::vector<Variant> Values;
};

using TDataSetNotifyEvent = TEvent<void(TDataSet* DataSet)>;

class TDataSet : public TComponent {
    QV_DECLARE_CLASS(TDataSet, TComponent)

    explicit TDataSet(TComponent* AOwner);
    ~TDataSet() override;

    // Opening and closing.
    bool GetActive() const { return m_state != dsInactive; }
    void SetActive(bool Value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState GetState() const { return m_state; }

    // Navigation. BOF is true after First, after a Prior that could not move and on an empty
    // set; EOF after Last, after a Next that could not move and on an empty set.
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves by Distance records and answers how many it moved.
    int MoveBy(int Distance);
    bool GetBOF() const { return m_bof; }
    bool GetEOF() const { return m_eof; }
    // The current record's number from 1, 0 when there is none.
    int GetRecNo() const;
    void SetRecNo(int Value);
    int GetRecordCount() const;
    bool IsEmpty() const;
    // Moves to the first record whose KeyFields (separated by ";") hold KeyValues.
    bool Locate(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                TLocateOptions Options = 0);
    // The ResultField of the first such record, without moving; null when none.
    Variant Lookup(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                   const std::string& ResultField);
    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark& Bookmark);
    bool BookmarkValid(const TBookmark& Bookmark) const;

    // Editing.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    // Reads the records again, staying on the current one when it is still there.
    void Refresh();
    bool GetCanModify() const;
    bool GetModified() const { return m_modified; }
    // Asks every link to write its pending edit into the record.
    void UpdateRecord();
    // Posts a modified record, cancels an unmodified one; raises on a closed set.
    void CheckBrowseMode();

    // Fields.
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    TField* Fields(int Index) const { return m_fields.at(static_cast<std::size_t>(Index)); }
    TField* FindField(const std::string& FieldName) const;
    TField* FieldByName(const std::string& FieldName) const;
    const std::vector<TFieldDef>& FieldDefs() const { return m_fieldDefs; }
    // The value a link shows for field in record Index of the set, edit buffer included.
    void GetFieldList(std::vector<TField*>& List, const std::string& FieldNames) const;

    // Links.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }
    // Record a link reads while it paints other rows: -1 is the current record.
    int GetActiveRecord() const { return m_current; }
    void SetDisplayRecord(int Index) { m_displayRecord = Index; }
    int GetDisplayRecord() const { return m_displayRecord; }
    // The records a grid may show, an inserted one included.
    int BufferRecordCount() const { return static_cast<int>(m_records.size()); }
    // A data field's value in record Index (from 0) without moving: for lists that show
    // every record of a lookup set. The current record in edit reads its edit buffer.
    Variant GetFieldValueAt(int Index, const TField* Field) const;

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent BeforeRefresh, AfterRefresh;
    TDataSetNotifyEvent OnNewRecord;

protected:
    // What a descendant provides. Each raises EDatabaseError when the database refuses, and
    // leaves the records as they were.
    virtual void InternalOpen(std::vector<TFieldDef>& Defs, std::vector<TRecordData>& Records) = 0;
    virtual void InternalClose() {}
    // Writes the record; an insert sets its Key and may fill in values the database chose.
    // Both answer false when the record is no longer there (another user deleted it).
    virtual bool InternalPost(TRecordData& Record, bool Inserting) = 0;
    virtual bool InternalDelete(const TRecordData& Record) = 0;
    virtual void InternalRefresh(std::vector<TRecordData>& Records);
    virtual bool InternalCanModify() const { return true; }
    // The field class for a definition; override to make other kinds.
    virtual TField* CreateField(const TFieldDef& Def);

    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Reopens from InternalOpen after a failure that may have changed the records.
    void ResyncFromDatabase();
    // The record as it was read before the current edit: what an update checks is still
    // there. Null outside an edit.
    const TRecordData* OldRecord() const;

    // Reading in batches. A descendant whose InternalOpen gave only the first records of a
    // longer result answers true from InternalWindowed; the set then holds a window of
    // records around the current one and reads others with InternalReadWindow as the cursor
    // moves, so that a result of any length needs the memory of one window.
    virtual bool InternalWindowed() const { return false; }
    // Reads up to Count records from position Start (from 0) of the result; fewer at its end.
    virtual void InternalReadWindow(std::int64_t Start, int Count, std::vector<TRecordData>& Records);
    // The number of records in the whole result.
    virtual std::int64_t InternalCountRecords() const;
    // The most records a window holds.
    virtual int InternalWindowSize() const { return 1000; }

private:
    friend class TField;
    friend class TDataSource;
    friend class TDataLink;

    void OpenCursor();
    void CloseCursor();
    void BindFields();
    void RebindFields(std::vector<TFieldDef> Defs);
    void SetState(TDataSetState Value);
    void CheckActive() const;
    void CheckCanModify() const;
    void BeginInsertAppend(bool Append);
    [[noreturn]] void RecordGone();
    void CheckRequiredFields();
    void Resync();
    void DoScroll(int Target, TDataEvent Event);
    // Windowed sets: reads the window that holds position Target of the result, keeping
    // room ahead in the direction of travel, and answers the record's index in it.
    int SlideWindow(std::int64_t Target, bool Forward);
    bool RecordMatches(const TRecordData& Record, const std::vector<TField*>& Fields,
                       const std::vector<Variant>& Values, TLocateOptions Options) const;
    int FindRecord(const std::string& KeyFields, const std::vector<Variant>& KeyValues,
                   TLocateOptions Options, std::vector<TField*>* FieldsOut = nullptr);
    void Fire(const TDataSetNotifyEvent& Event);

    // For fields: the record they read and the one they write.
    const TRecordData* ReadRecord() const;
    Variant GetFieldValue(const TField& Field) const;
    void SetFieldValue(TField& Field, const Variant& Value);
    void AddField(TField* Field);
    void RemoveField(TField* Field);

    // For data sources.
    void AddDataSource(TDataSource* Source);
    void RemoveDataSource(TDataSource* Source);

    TDataSetState m_state = dsInactive;
    std::vector<TFieldDef> m_fieldDefs;
    std::vector<TField*> m_fields;
    std::vector<TRecordData> m_records;
    int m_current = -1;
    int m_displayRecord = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    TRecordData m_editBuffer;
    int m_disableCount = 0;
    TDataSetState m_disableState = dsInactive;
    TDataEvent m_enableEvent = deDataSetChange;
    std::vector<TDataSource*> m_dataSources;
    bool m_inUpdateRecord = false;
    std::int64_t m_windowStart = 0;  // the position in the result of m_records[0]
    bool m_windowEnd = true;         // m_records reaches the end of the result
};
