// A fresh empty folder that becomes the current directory for one test and is deleted, with
// everything in it, afterwards.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole contents of a file, read in binary so line ends show as stored; empty when missing.
std::string readBytes(const std::string& name);
void writeBytes(const std::string& name, const std::string& bytes);
