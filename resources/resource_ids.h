#pragma once

namespace airvane {

// Dialog resources.
inline constexpr int kIddMainPage = 156;
inline constexpr int kIddBasicSetting = 130;
inline constexpr int kIddWepSetting = 157;
inline constexpr int kIddWepInfo = 196;
inline constexpr int kIddAdvancedSetting = 159;
inline constexpr int kIddInformation = 161;
inline constexpr int kIddDot1xSetting = 195;
inline constexpr int kIddApBasicSetting = 190;
inline constexpr int kIddApMacFilter = 191;

// Images.
inline constexpr int kIconProgram = 128;
inline constexpr int kIconServiceControl = 174;
inline constexpr int kIconNotShown = 175;
inline constexpr int kIconAccessPoint = 178;
inline constexpr int kIconTraffic1 = 189;
inline constexpr int kIconTraffic2 = 192;
inline constexpr int kIconNotConnected = 193;

// The tray menu and its commands.
inline constexpr int kMenuTray = 173;
inline constexpr int kIdmTrayOpen = 32771;
inline constexpr int kIdmTrayClient = 32772;
inline constexpr int kIdmTrayExit = 32773;

}  // namespace airvane
