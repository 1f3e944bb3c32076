// The names of the add-in's windows. A window's Qt object name, its open flag, the menu and
// teardown tables and the scripts all use these constants.
#pragma once

#include <string_view>

namespace qm::common::window {

inline constexpr std::string_view Palette = "frmTAB2";
inline constexpr std::string_view Tooltips = "frmTT";
inline constexpr std::string_view Splash = "frmSplash";
inline constexpr std::string_view About = "frmAbout";

inline constexpr std::string_view ApperTab = "frmApperTab";
inline constexpr std::string_view CommonDialog = "frmCMDDesigner";
inline constexpr std::string_view CodeFinder = "frmCodeFinder";
inline constexpr std::string_view Editor = "frmEdit32";
inline constexpr std::string_view Library = "frmOFWLibe2";
inline constexpr std::string_view HelpContext = "frmHelpContextID";
inline constexpr std::string_view ImageClip = "frmImageClip";
inline constexpr std::string_view InputBox = "frmInputBox";
inline constexpr std::string_view MsgBox = "frmMsgBox";
inline constexpr std::string_view ShowCode = "frmShowCode";

// Windows opened from other windows.
inline constexpr std::string_view IFAnalyzer = "frmIFAnalyzer";
inline constexpr std::string_view NewProcedure = "frmNewProcedure";
inline constexpr std::string_view ShowChanges = "frmShowChanges";
inline constexpr std::string_view PleaseWait = "frmPleaseWait";
inline constexpr std::string_view SelectDirectory = "frmSelectDirectory";
inline constexpr std::string_view Find = "frmFind";
inline constexpr std::string_view Replace = "frmReplace";
inline constexpr std::string_view EditClip = "frmEditClip";
inline constexpr std::string_view ControlSetDescription = "frmObjFWDesc";
inline constexpr std::string_view StopGo = "frmStopGo";
inline constexpr std::string_view EditProc = "frmEditProc";

} // namespace qm::common::window

namespace qm::common::page {

// The tabs of frmApperTab, by their object names.
inline constexpr std::string_view Appear = "tabAppear";
inline constexpr std::string_view TabOrder = "tabTabOrder";
inline constexpr std::string_view MultiClip = "tabMultiClip";
inline constexpr std::string_view Errors = "tabErrors";
inline constexpr std::string_view Cleanup = "tabCleanup";
inline constexpr std::string_view TrackChanges = "tabTrackChanges";

} // namespace qm::common::page
