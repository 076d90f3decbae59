#pragma once
#include <filesystem>
#include <string>

// A fresh device root for one test: sets VARNEL_ROOT to a new temporary folder and removes it afterwards,
// so no test ever touches the user's own files or sees another test's.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& relative) const { return m_path / relative; }

private:
    std::filesystem::path m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};
