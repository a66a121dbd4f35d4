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
    kCmdOpenBackup = 32810,
    kCmdCompareWith = 32811,
    kCmdImportCsv = 32812,
    kCmdExportCsv = 32813,
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdPrintSetup = 57606,
    kCmdPrint = 57607,
    kCmdPrintPreview = 57609,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdHelp = 57670,
    kCmdNextPane = 57680,
    kCmdPrevPane = 57681,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
};

// Help topic of the main window itself (its resource 128 as a help id, less the
// 0x10000 that separates window topics from command topics).
constexpr int kMainFrameHelpContext = 0x20000 + 128 - 0x10000;

constexpr const char *kCommandIdProperty = "commandId";
