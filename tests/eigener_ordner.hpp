#pragma once
// A name in the temporary folder of this test process alone: ctest runs the
// cases of one program side by side, each in a process of its own.
#include <unistd.h>

#include <filesystem>
#include <string>

inline std::filesystem::path Eigener_Temp_Pfad(const std::string& name) {
    return std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()));
}
