#include "support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempFolder::TempFolder() : previous_(fs::current_path())
{
    std::random_device seed;
    std::ostringstream name;
    name << "grafuri-test-" << std::hex << seed() << seed();
    path_ = fs::temp_directory_path() / name.str();
    fs::create_directories(path_);
    fs::current_path(path_);
}

TempFolder::~TempFolder()
{
    fs::current_path(previous_);
    std::error_code ignored;
    // Read-only files left by a test must not stop the clean-up.
    for (auto& entry : fs::recursive_directory_iterator(path_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string readBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}
