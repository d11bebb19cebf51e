#pragma once
// The commands of qvdat, the data file tool: export a data file as text, import such text,
// check a data file, and build one from the readable source table of abbreviations. Each
// returns the program's exit status and writes its errors to the error stream.
#include <ostream>
#include <string>

class DataTool {
public:
    static constexpr int ExitOk = 0;
    static constexpr int ExitFailure = 1;

    DataTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    int Export(const std::string& szDataPath);
    int Import(const std::string& szTextPath, const std::string& szDataPath);
    int Check(const std::string& szDataPath);
    int Build(const std::string& szSourcePath, const std::string& szDataPath);

private:
    std::ostream& m_out;
    std::ostream& m_err;
};
