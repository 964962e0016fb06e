#pragma once
// Version information of an executable file.
#include <string>

struct TFileVersionInfo {
    std::string FileType;
    std::string CompanyName;
    std::string FileDescription;
    std::string FileVersion;
    std::string InternalName;
    std::string LegalCopyright;
    std::string LegalTrademarks;
    std::string OriginalFilename;
    std::string ProductName;
    std::string ProductVersion;
    std::string Comments;
    std::string SpecialBuildStr;
    std::string PrivateBuildStr;
    std::string FileFunction;
    bool DebugBuild = false;
    bool PreRelease = false;
    bool SpecialBuild = false;
    bool PrivateBuild = false;
    bool Patched = false;
    bool InfoInferred = false;
};
