// The ids of the settings a launcher configuration block holds, in one place
// for the launcher's readers and the builder. Flags and integers are decimal
// text; an absent setting reads as empty text and as 0.
#pragma once

enum SettingId {
    settingStandardErrorRedirect = 102,    // flag: hand the file of 103 to the Java side
    settingStandardErrorFile = 103,        // wide text
    settingStandardOutputRedirect = 104,   // flag: hand the file of 105 to the Java side
    settingStandardOutputFile = 105,       // wide text
    settingJavaSideFlag = 106,             // flag, passed on as "true" or "false"
    settingExecutableType = 107,           // 1: a GUI application
    settingShowSplash = 108,               // flag
    settingClassPath = 121,                // typed path list
    settingMainClass = 122,
    settingVmOptions = 123,                // wide text, split like a command line
    settingFixedArguments = 124,           // wide text, before the user's arguments
    settingJavaOptionArguments = 125,      // flag: "-J" arguments are VM options
    settingMinimumVersion = 126,           // empty: no lower bound
    settingMaximumVersion = 127,           // empty: no upper bound
    settingSearchSequence = 128,           // ";"-separated typed entries
    settingAllowBeta = 130,                // flag: early-access and beta runtimes count
    settingJdkRequired = 131,              // flag
    settingModulePath = 132,               // typed path list
    settingModuleMainClass = 133,          // flag: the main class names its module
    settingWorkingDirectory = 146,         // wide text, relative to the executable's directory
    settingPreferredVmVariant = 152,       // a VM subdirectory of "bin", tried first
    settingHardenedStart = 154,            // flag
    settingConsoleSwitch = 156,            // flag: accept "-console"
    settingGlobalInstanceSemaphore = 158,  // flag
    settingApplicationId = 160,            // the key of recorded installations
    settingSplashFlag = 163,               // flag, passed on with the splash settings
    settingOnlyOwnRuntimes = 165,          // flag: located runtimes below "ovn_jres" only
    settingReadVmOptionsFile = 166,        // flag
    settingFlavour = 2001,                 // "o" or "t"
    settingIncludedFileCount = 2002,
    settingIncludedFileNames = 2003,       // ";"-separated
    settingInstallationDirectory = 10003,  // holds the location files and the runtime support files
    settingNativeLibraryDirs = 10004,      // ";"-separated, put in front of PATH
    settingSingleInstance = 10005,         // flag
    settingActivateRunningInstance = 10007,  // flag
    // The two text lines drawn over the splash: position, text, font size,
    // colour ("r,g,b") and font weight of each.
    settingSplashStatusX = 10109,
    settingSplashStatusY = 10110,
    settingSplashStatusText = 10111,
    settingSplashStatusFontSize = 10113,
    settingSplashStatusColour = 10114,
    settingSplashStatusFontWeight = 10115,
    settingSplashVersionX = 10116,
    settingSplashVersionY = 10117,
    settingSplashVersionText = 10118,
    settingSplashVersionFontSize = 10120,
    settingSplashVersionColour = 10121,
    settingSplashVersionFontWeight = 10122,
    settingVersionOptionLineCount = 10200,
    settingVersionOptionLines = 10201,     // 10201 + 2k: version prefix, 10202 + 2k: options
};
