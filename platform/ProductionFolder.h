#pragma once
// The factory's fixed folders. The production files (drive D's folder
// 生产文件) and the firmware sources (drive X) live in one folder 生产文件 in
// the user's home, under the subfolder names the factory uses.
#include "platform/FileIo.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

inline constexpr const char* ProductionFolderName = "生产文件";
inline constexpr const char* TestModeFolder = "测试模式"; // HEX files of the memory tool
inline constexpr const char* Series1846SFolder = "1846S系列";
inline constexpr const char* Series1846Folder = "1846系列";
inline constexpr const char* Series1845Folder = "1845系列";
inline constexpr const char* OtherFolder = "其它"; // the firmware converter's output

// $HOME, or the home of the user's account when it is unset.
std::string homeFolder();
// <home>/生产文件
std::string productionFolder();
// A path inside the production folder, joined from its parts.
std::string productionPath(std::initializer_list<std::string_view> parts);
// Creates the production folder and then, in order, each of the given
// subfolders (a relative path each) that is missing.
IoResult makeProductionFolders(std::initializer_list<std::string_view> subfolders);

} // namespace platform
