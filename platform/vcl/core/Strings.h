#pragma once
// Lists of strings, each with an optional object: the lines of a memo, the items of a list
// box, Name=Value settings. Streamed in a form description as Strings = ( 'a' 'b' ).
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"

class TStrings : public TPersistent {
    QV_DECLARE_CLASS(TStrings, TPersistent)

    virtual int Count() const = 0;
    const std::string& Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* AObject);
    void AddStrings(const TStrings& Strings);
    virtual void Insert(int Index, const std::string& S) = 0;
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    virtual int IndexOf(std::string_view S) const;
    int IndexOfObject(const TObject* AObject) const;

    // Name=Value lines: Names(i) is the part before the first separator ("" without one).
    char NameValueSeparator() const { return m_nameValueSeparator; }
    void SetNameValueSeparator(char Value) { m_nameValueSeparator = Value; }
    std::string Names(int Index) const;
    std::string ValueFromIndex(int Index) const;
    int IndexOfName(std::string_view Name) const;
    std::string Values(std::string_view Name) const;
    // Sets the value of the first line with that name, adding a line when there is none;
    // an empty value deletes the line.
    void SetValues(std::string_view Name, const std::string& Value);

    // The lines, each followed by a line break; setting splits on CR, LF or CR LF.
    std::string GetText() const;
    void SetText(std::string_view Value);
    // Comma-separated; items with blanks, commas or quotes are double-quoted.
    std::string GetCommaText() const;
    void SetCommaText(std::string_view Value);

    void BeginUpdate();
    void EndUpdate();
    bool Equals(const TStrings& Strings) const;

    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler& Filer) override;

protected:
    virtual const std::string& Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    // Called when BeginUpdate is first entered and EndUpdate last left.
    virtual void SetUpdateState(bool Updating);
    int UpdateCount() const { return m_updateCount; }
    [[noreturn]] void Error(const std::string& Message, int Index) const;

private:
    int m_updateCount = 0;
    char m_nameValueSeparator = '=';
};
