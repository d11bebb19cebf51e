#include "tools/qvdat/DataTool.h"

#include <charconv>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "src/AbbrData.h"
#include "src/AbbrStore.h"
#include "tools/qvdat/TsvLine.h"

namespace {

constexpr std::size_t kExportColumns = 12;
constexpr std::size_t kSourceColumns = 6;

std::string Quoted(const std::string& szText) {
    std::string szOut(1, '"');
    szOut += TsvLine::Escape(szText);
    szOut += '"';
    return szOut;
}

// Gathers the records of a text file with the line each came from, refuses what the data
// file cannot hold, and writes the data file only when no line was refused.
class RecordCollector {
public:
    RecordCollector(const std::string& szSource, std::ostream& err)
        : m_szSource(szSource), m_err(err) {}
    ~RecordCollector() { AbbrStore(m_list).ClearData(); }

    void Error(int nLine, const std::string& szWhat) {
        m_err << m_szSource << ":" << nLine << ": " << szWhat << "\n";
        ++m_nErrors;
    }

    template <std::size_t N>
    bool SetText(int nLine, char (&szField)[N], const std::string& szValue, const char* szName) {
        if (szValue.find('\0') != std::string::npos) {
            Error(nLine, std::string("the ") + szName + " holds a NUL byte");
            return false;
        }
        if (szValue.size() > N - 1) {
            Error(nLine, std::string("the ") + szName + " is " + std::to_string(szValue.size()) +
                             " bytes long; its field holds at most " + std::to_string(N - 1));
            return false;
        }
        std::memcpy(szField, szValue.data(), szValue.size());
        return true;
    }

    bool SetInt(int nLine, std::int32_t* pnValue, const std::string& szValue, const char* szName) {
        const char* pEnd = szValue.data() + szValue.size();
        const auto [pStop, error] = std::from_chars(szValue.data(), pEnd, *pnValue);
        if (szValue.empty() || error != std::errc() || pStop != pEnd) {
            Error(nLine, std::string("the ") + szName + " " + Quoted(szValue) +
                             " is not a 32-bit decimal integer");
            return false;
        }
        return true;
    }

    void Add(int nLine, AbbrInfo& info) {
        const std::string szTitle = FieldText(info.szTitle);
        if (szTitle.empty()) {
            Error(nLine, "the title is empty");
            return;
        }
        const auto first = m_firstLine.find(szTitle);
        if (first != m_firstLine.end()) {
            Error(nLine, "the title " + Quoted(szTitle) + " was already given on line " +
                             std::to_string(first->second));
            return;
        }
        m_firstLine.emplace(szTitle, nLine);
        AbbrStore(m_list).InsertInfo(&info);
    }

    int Save(const std::string& szDataPath) {
        if (m_nErrors > 0) {
            m_err << m_szSource << ": " << m_nErrors << (m_nErrors == 1 ? " line" : " lines")
                  << " refused; " << szDataPath << " was not written\n";
            return DataTool::ExitFailure;
        }
        CxFile file;
        const AbbrData::SaveResult saved = AbbrData(file).SaveData(szDataPath, m_list);
        if (!saved.bSaved) {
            m_err << saved.szError << "\n";
            return DataTool::ExitFailure;
        }
        return DataTool::ExitOk;
    }

private:
    std::string m_szSource;
    std::ostream& m_err;
    CxList m_list;
    std::map<std::string, int> m_firstLine;
    int m_nErrors = 0;
};

// Reads a text file as lines without their line ends; a CR before the LF is dropped too.
bool ReadLines(const std::string& szPath, std::vector<std::string>* pLines, std::ostream& err) {
    std::ifstream in(szPath, std::ios::binary);
    if (!in) {
        err << "qvdat: cannot open " << szPath << ": " << std::strerror(errno) << "\n";
        return false;
    }
    std::string szLine;
    while (std::getline(in, szLine)) {
        if (!szLine.empty() && szLine.back() == '\r') szLine.pop_back();
        pLines->push_back(szLine);
    }
    if (in.bad()) {
        err << "qvdat: cannot read " << szPath << "\n";
        return false;
    }
    return true;
}

bool ReportOpenFailure(const AbbrData::ReadResult& result, const std::string& szPath,
                       std::ostream& err) {
    if (result.bOpened) return false;
    err << "qvdat: cannot open " << szPath << ": "
        << (result.bMissing ? std::strerror(ENOENT) : result.szOpenError) << "\n";
    return true;
}

// A directory opens for reading but holds no records: it is no data file at all, and not
// a damaged one.
bool RefuseDirectory(const std::string& szPath, std::ostream& err) {
    std::error_code error;
    if (!std::filesystem::is_directory(szPath, error)) return false;
    err << "qvdat: cannot open " << szPath << ": " << std::strerror(EISDIR) << "\n";
    return true;
}

}  // namespace

int DataTool::Export(const std::string& szDataPath) {
    if (RefuseDirectory(szDataPath, m_err)) return ExitFailure;
    CxFile file;
    const AbbrData::ReadResult result = AbbrData(file).ReadRecords(szDataPath, [&](AbbrInfo& info) {
        m_out << TsvLine::Escape(FieldText(info.szTitle)) << '\t' << TsvLine::Escape(info.szInfo) << '\t'
              << TsvLine::Escape(info.szSample) << '\t' << info.nFlag;
        for (const std::int32_t nValue : info.nReserved) m_out << '\t' << nValue;
        for (const auto& szReserved : info.szReserved) m_out << '\t' << TsvLine::Escape(szReserved);
        m_out << '\n';
    });
    if (ReportOpenFailure(result, szDataPath, m_err)) return ExitFailure;
    if (!result.szDamage.empty()) {
        m_err << "qvdat: " << szDataPath << " is damaged: " << result.szDamage << "; only the "
              << result.nRead << " records before the damage were exported\n";
        return ExitFailure;
    }
    return ExitOk;
}

int DataTool::Import(const std::string& szTextPath, const std::string& szDataPath) {
    std::vector<std::string> lines;
    if (!ReadLines(szTextPath, &lines, m_err)) return ExitFailure;

    static const char* const kNames[kExportColumns] = {"title",
                                                       "meaning",
                                                       "sample",
                                                       "flags",
                                                       "first reserved integer",
                                                       "second reserved integer",
                                                       "third reserved integer",
                                                       "fourth reserved integer",
                                                       "first reserved string",
                                                       "second reserved string",
                                                       "third reserved string",
                                                       "fourth reserved string"};
    RecordCollector collector(szTextPath, m_err);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int nLine = static_cast<int>(i + 1);
        if (lines[i].empty()) continue;
        const std::vector<std::string> raw = TsvLine::Split(lines[i]);
        if (raw.size() != kExportColumns) {
            collector.Error(nLine, "expected " + std::to_string(kExportColumns) +
                                       " tab-separated fields, found " +
                                       std::to_string(raw.size()));
            continue;
        }
        std::vector<std::string> fields(kExportColumns);
        bool bOk = true;
        for (std::size_t c = 0; c < kExportColumns && bOk; ++c) {
            std::string szWhy;
            bOk = TsvLine::Unescape(raw[c], &fields[c], &szWhy);
            if (!bOk) collector.Error(nLine, std::string("the ") + kNames[c] + ": " + szWhy);
        }
        if (!bOk) continue;

        // A plain & evaluates every field, so that all faults of a line are reported at once.
        AbbrInfo info{};
        bOk = collector.SetText(nLine, info.szTitle, fields[0], kNames[0]) &
              collector.SetText(nLine, info.szInfo, fields[1], kNames[1]) &
              collector.SetText(nLine, info.szSample, fields[2], kNames[2]) &
              collector.SetInt(nLine, &info.nFlag, fields[3], kNames[3]);
        for (int r = 0; r < 4; ++r) {
            bOk &= collector.SetInt(nLine, &info.nReserved[r], fields[4 + r], kNames[4 + r]);
            bOk &= collector.SetText(nLine, info.szReserved[r], fields[8 + r], kNames[8 + r]);
        }
        if (bOk) collector.Add(nLine, info);
    }
    return collector.Save(szDataPath);
}

int DataTool::Build(const std::string& szSourcePath, const std::string& szDataPath) {
    std::vector<std::string> lines;
    if (!ReadLines(szSourcePath, &lines, m_err)) return ExitFailure;

    RecordCollector collector(szSourcePath, m_err);
    if (lines.empty() || TsvLine::Split(lines[0]).size() != kSourceColumns) {
        collector.Error(1,
                        "expected the header line: title, meaning, sample, command, keyword, "
                        "source (tab-separated)");
        return collector.Save(szDataPath);
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int nLine = static_cast<int>(i + 1);
        if (lines[i].empty()) continue;
        const std::vector<std::string> fields = TsvLine::Split(lines[i]);
        if (fields.size() != kSourceColumns) {
            collector.Error(nLine, "expected " + std::to_string(kSourceColumns) +
                                       " tab-separated fields, found " +
                                       std::to_string(fields.size()));
            continue;
        }
        AbbrInfo info{};
        bool bOk = collector.SetText(nLine, info.szTitle, fields[0], "title") &
                   collector.SetText(nLine, info.szInfo, fields[1], "meaning") &
                   collector.SetText(nLine, info.szSample, fields[2], "sample");
        // The abbreviation edits force upper case, so a title with a small letter could
        // never be typed or found.
        for (const char c : fields[0]) {
            if (c >= 'a' && c <= 'z') {
                collector.Error(nLine, "the title " + Quoted(fields[0]) + " is not in upper case");
                bOk = false;
                break;
            }
        }
        const std::int32_t nFlags[2] = {AbbrFlagCommand, AbbrFlagKeyword};
        const char* const szColumns[2] = {"command", "keyword"};
        for (int f = 0; f < 2; ++f) {
            const std::string& szValue = fields[3 + f];
            if (szValue == "1") {
                info.nFlag |= nFlags[f];
            } else if (szValue != "0") {
                collector.Error(nLine, std::string("the ") + szColumns[f] + " column is " +
                                           Quoted(szValue) + "; it must be 0 or 1");
                bOk = false;
            }
        }
        if (bOk) collector.Add(nLine, info);
    }
    return collector.Save(szDataPath);
}

int DataTool::Check(const std::string& szDataPath) {
    int nProblems = 0;
    std::uint32_t nRecord = 0;
    std::string szPrevious;
    std::map<std::string, std::uint32_t> firstRecord;
    auto report = [&](const std::string& szWhat) {
        m_out << szDataPath << ": " << szWhat << "\n";
        ++nProblems;
    };

    if (RefuseDirectory(szDataPath, m_err)) return ExitFailure;
    CxFile file;
    const AbbrData::ReadResult result = AbbrData(file).ReadRecords(szDataPath, [&](AbbrInfo& info) {
        ++nRecord;
        const std::string szTitle = FieldText(info.szTitle);
        const std::string szAt = "record " + std::to_string(nRecord) + ": ";
        if (szTitle.empty()) {
            report(szAt + "empty title");
        } else if (const auto first = firstRecord.find(szTitle); first != firstRecord.end()) {
            report(szAt + "duplicate title " + Quoted(szTitle) + " (first at record " +
                   std::to_string(first->second) + ")");
        } else {
            firstRecord.emplace(szTitle, nRecord);
            if (nRecord > 1 && AbbrStore::CompareTitle(szTitle.c_str(), szPrevious.c_str()) < 0) {
                report(szAt + "title " + Quoted(szTitle) + " is out of order: it sorts before " +
                       Quoted(szPrevious) + " of the record before it");
            }
        }
        szPrevious = szTitle;
    });
    if (ReportOpenFailure(result, szDataPath, m_err)) return ExitFailure;

    m_out << szDataPath << ": count " << result.nCount << ", " << result.nRead << " records read\n";
    if (!result.szDamage.empty()) report("damaged: " + result.szDamage);
    if (nProblems > 0) {
        m_err << "qvdat: " << szDataPath << ": " << nProblems
              << (nProblems == 1 ? " problem" : " problems") << " found\n";
        return ExitFailure;
    }
    m_out << szDataPath << ": no problems found\n";
    return ExitOk;
}
