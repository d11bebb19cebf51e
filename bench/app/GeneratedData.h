#pragma once
// Data files of generated records for the start-up benchmarks: distinct upper-case titles,
// written in title order as Save writes them, reversed, or shuffled.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/misc/CxFile.h"
#include "src/AbbrData.h"

enum class RecordOrder { Title, Reverse, Random };

inline const char* RecordOrderName(RecordOrder order) {
    switch (order) {
        case RecordOrder::Title:
            return "title";
        case RecordOrder::Reverse:
            return "reverse";
        case RecordOrder::Random:
            return "random";
    }
    return "";
}

// The files this run wrote, removed when it ends; the process id in their names keeps two
// runs on one machine apart.
class GeneratedFiles {
public:
    ~GeneratedFiles() {
        std::error_code ignored;
        for (const std::string& path : m_paths) std::filesystem::remove(path, ignored);
    }
    bool Has(const std::string& path) const {
        return std::find(m_paths.begin(), m_paths.end(), path) != m_paths.end();
    }
    void Add(const std::string& path) { m_paths.push_back(path); }

private:
    std::vector<std::string> m_paths;
};

// The path of a data file of n records in the given order, written once per run.
inline std::string GeneratedDataFile(int n, RecordOrder order = RecordOrder::Title) {
    static GeneratedFiles files;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("qvbench-" + std::to_string(::getpid()) + "-" + std::to_string(n) +
                               "-" + RecordOrderName(order) + ".dat"))
                                 .string();
    if (files.Has(path)) return path;
    files.Add(path);
    std::vector<int> numbers(n);
    std::iota(numbers.begin(), numbers.end(), 0);
    if (order == RecordOrder::Reverse) std::reverse(numbers.begin(), numbers.end());
    if (order == RecordOrder::Random)
        std::shuffle(numbers.begin(), numbers.end(), std::mt19937(21));

    CxFile file;
    if (!file.Open(path.c_str(), "wb")) throw std::runtime_error("cannot write " + path);
    file.WriteInt(n);
    AbbrData data(file);
    for (const int i : numbers) {
        AbbrInfo info;
        std::memset(&info, 0, sizeof info);
        for (int k = 4, v = i; k >= 0; --k, v /= 26)
            info.szTitle[k] = static_cast<char>('A' + v % 26);
        std::snprintf(info.szInfo, sizeof info.szInfo, "generated meaning number %d", i);
        std::snprintf(info.szSample, sizeof info.szSample, "CMD%d", i);
        info.nFlag = i % 4;
        data.WriteInfo(&info);
    }
    file.Close();
    return path;
}
