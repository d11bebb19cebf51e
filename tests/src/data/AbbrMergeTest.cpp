#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "src/AbbrMerge.h"
#include "src/AbbrStore.h"
#include "tests/src/data/DataBytes.h"

namespace {

// Lists given as "TITLE=meaning" entries.
using Records = std::vector<std::string>;

void Fill(CxList& list, const Records& records) {
    for (const std::string& entry : records) {
        const std::size_t nEqual = entry.find('=');
        AbbrInfo info = MakeInfo(entry.substr(0, nEqual), entry.substr(nEqual + 1));
        AbbrStore(list).InsertInfo(&info);
    }
}

Records Contents(CxList& list) {
    Records records;
    for (auto* p = static_cast<AbbrInfo*>(list.GetFirst()); p;
         p = static_cast<AbbrInfo*>(list.GetNext()))
        records.push_back(std::string(p->szTitle) + "=" + p->szInfo);
    return records;
}

TEST(AbbrMerge, EachSidesChangesAreKeptAndClashesNamed) {
    struct Case {
        const char* szName;
        Records base;
        Records ours;
        Records theirs;
        Records merged;
        std::vector<std::string> conflicts;
    };
    const Case cases[] = {
        {"each added one",
         {"ADD=a"},
         {"ADD=a", "CRT=c"},
         {"ADD=a", "DLT=d"},
         {"ADD=a", "CRT=c", "DLT=d"},
         {}},
        {"each edited another",
         {"ADD=a", "CRT=c"},
         {"ADD=A", "CRT=c"},
         {"ADD=a", "CRT=C"},
         {"ADD=A", "CRT=C"},
         {}},
        {"we deleted, they left it",
         {"ADD=a", "CRT=c"},
         {"CRT=c"},
         {"ADD=a", "CRT=c"},
         {"CRT=c"},
         {}},
        {"they deleted, we left it",
         {"ADD=a", "CRT=c"},
         {"ADD=a", "CRT=c"},
         {"CRT=c"},
         {"CRT=c"},
         {}},
        {"both made the same edit", {"ADD=a"}, {"ADD=x"}, {"ADD=x"}, {"ADD=x"}, {}},
        {"both edited it their own way",
         {"ADD=a"},
         {"ADD=ours"},
         {"ADD=theirs"},
         {"ADD=ours"},
         {"ADD"}},
        {"both added one title", {}, {"ADD=ours"}, {"ADD=theirs"}, {"ADD=ours"}, {"ADD"}},
        {"we deleted what they edited", {"ADD=a"}, {}, {"ADD=theirs"}, {"ADD=theirs"}, {"ADD"}},
        {"they deleted what we edited", {"ADD=a"}, {"ADD=ours"}, {}, {"ADD=ours"}, {"ADD"}},
        {"we renamed, they edited another",
         {"ADD=a", "CRT=c"},
         {"ADDX=a", "CRT=c"},
         {"ADD=a", "CRT=C"},
         {"ADDX=a", "CRT=C"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CxList base, ours, theirs;
        Fill(base, c.base);
        Fill(ours, c.ours);
        Fill(theirs, c.theirs);
        const RecordSnapshot snapshot = RecordSnapshot::Of(base);
        const MergeResult result = MergeRecords(snapshot, ours, theirs);
        EXPECT_EQ(Contents(ours), c.merged);
        EXPECT_EQ(result.conflicts, c.conflicts);
        EXPECT_EQ(theirs.GetCount(), 0u);
        AbbrStore(base).ClearData();
        AbbrStore(ours).ClearData();
    }
}

// Fields the window never shows still make a change of its own.
TEST(AbbrMerge, TheDigestCoversEveryStoredField) {
    const AbbrInfo plain = MakeInfo("ADD", "a");
    std::vector<AbbrInfo> variants(6, plain);
    variants[0].szSample[0] = 's';
    variants[1].nFlag = 4;
    variants[2].nReserved[3] = 1;
    variants[3].szReserved[2][0] = 'r';
    variants[4].szInfo[0] = 'b';
    variants[5].szTitle[3] = 'X';
    for (const AbbrInfo& variant : variants) EXPECT_NE(RecordDigest(variant), RecordDigest(plain));
    // What lies after a text's NUL is never saved.
    AbbrInfo padded = plain;
    padded.szInfo[100] = 'z';
    EXPECT_EQ(RecordDigest(padded), RecordDigest(plain));
}

}  // namespace
