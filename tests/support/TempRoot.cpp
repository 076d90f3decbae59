#include "TempRoot.h"

#include <cstdlib>
#include <stdexcept>

TempRoot::TempRoot()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "varnel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
    if (const char* previous = std::getenv("VARNEL_ROOT")) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    setenv("VARNEL_ROOT", m_path.c_str(), 1);
}

TempRoot::~TempRoot()
{
    if (m_hadPrevious)
        setenv("VARNEL_ROOT", m_previous.c_str(), 1);
    else
        unsetenv("VARNEL_ROOT");
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
