// Command numbers of the menus, the accelerators, the toolbar and the navigation
// tree. Every QAction carries its number in the "commandId" property; F1 on a
// highlighted menu item opens the help topic of that number.
#pragma once

enum CommandId {
    kCmdSqlAdjust = 32771,
    kCmdRead = 32773,
    kCmdWrite = 32774,
    kCmdComSetup = 32777,
    kCmdControlBar = 32780,
    kCmdProductInfo = 32786,
    kCmdChannelInfo = 32787,
    kCmdOptionFeatures = 32788,
    kCmdLanguage = 32799,
    kCmdInsertRow = 32810,
    kCmdDeleteRow = 32811,
    kCmdMoveUp = 32812,
    kCmdMoveDown = 32813,
    kCmdSortByFrequency = 32814,
    kCmdSortByName = 32815,
    kCmdOpenBackup = 32820,
    kCmdCompareWith = 32821,
    kCmdImportCsv = 32822,
    kCmdExportCsv = 32823,
    kCmdFind = 32830,
    kCmdCheckPlan = 32831,
    kCmdHideEmpty = 32832,
    kCmdWriteSeveral = 32833,
    kCmdSaveLinkLog = 32834,
    kCmdFillDown = 32835,
    kCmdSetTxFromRx = 32836,
    kCmdShiftFrequencies = 32837,
    kCmdInsertChannelList = 32838,
    kCmdThemeSystem = 32839, // View > Theme: System, Light, Dark
    kCmdThemeLight = 32840,
    kCmdThemeDark = 32841,
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdPrintSetup = 57606,
    kCmdPrint = 57607,
    kCmdPrintPreview = 57609,
    kCmdFileRecentFirst = 57616, // the recent files are 57616-57623
    kCmdEditClear = 57632,
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditPaste = 57637,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdHelpContents = 57667,
    kCmdHelp = 57670,
    kCmdNextPane = 57680,
    kCmdPrevPane = 57681,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdWindowFirst = 65280, // the Window menu's document items count up from here
};

// Help topic of the main window itself (its resource 128 as a help id, less the
// 0x10000 that separates window topics from command topics).
constexpr int kMainFrameHelpContext = 0x20000 + 128 - 0x10000;

constexpr const char *kCommandIdProperty = "commandId";
