#pragma once
// The commands of Setup.txt, each with the kind of argument it takes. The list is the single
// source of the command enumeration, the name table and the reader's dispatch.
//
// Kinds: Text (argument kept as parsed), Flag (true once the command occurs; an argument is
// ignored), Number (decimal with a fallback), List (repeatable; each occurrence appends its
// argument), and the commands with their own handling in TScript (Group, SubDir, CopyFiles,
// Overwrite, GlobalOverwrite, Dialogs, UninstallLine, PassThrough).
#define KORVAN_SCRIPT_COMMANDS(X)                  \
    /* Product and installation identity */        \
    X(SET_PROG_NAME, Text)                         \
    X(SET_PROG_VERSION, Text)                      \
    X(SET_COMPANY_NAME, Text)                      \
    X(SET_COMPANY_URL, Text)                       \
    X(SET_COPYRIGHT_NOTICE, Text)                  \
    X(SET_COMPOSER_BUILD, Text)                    \
    X(SET_PROG_STAMP, Text)                        \
    X(SET_PROG_EXE_NAME, Text)                     \
    X(SET_REGISTER_AS_APPLICATION, Flag)           \
    X(SET_ORIGINAL_INFO_FILE_NAME, Text)           \
    X(SET_AUTO_UPDATE_EXE_FILE_NAME, Text)         \
    X(SET_RUN_AUTO_UPDATE_AT_STARTUP, Flag)        \
    /* Directories and files */                    \
    X(SET_TARGET_DIR, Text)                        \
    X(SET_COMMON_DIR, Text)                        \
    X(SET_AUX_DIR, Text)                           \
    X(SET_RUN_TIME_DIR_1, Text)                    \
    X(SET_RUN_TIME_DIR_2, Text)                    \
    X(SET_RUN_TIME_DIR_3, Text)                    \
    X(SET_GROUP_DATA, Group)                       \
    X(SET_SUB_DIR, SubDir)                         \
    X(SET_COPY_FILES, CopyFiles)                   \
    X(SET_OVERWRITE_FLAG, Overwrite)               \
    X(SET_GLOBAL_OVERWRITE_FLAG, GlobalOverwrite)  \
    X(SET_USE_COPY, Flag)                          \
    X(SET_DELIVERY_FILES, Text)                    \
    X(SET_EXECUTION_DLL_NAME, Text)                \
    /* Wizard */                                   \
    X(SET_DIALOGS, Dialogs)                        \
    X(SET_DIALOG_BITMAP_FILE_NAME, Text)           \
    X(SET_DIALOG_BITMAP_3D_FRAME, Flag)            \
    X(SET_DIALOG_LOCATION, Text)                   \
    X(SET_DIALOG_IMAGE, List)                      \
    X(SET_DIALOG_DX, Number)                       \
    X(SET_DIALOG_DY, Number)                       \
    X(SET_LICENSE_FILE_NAME, Text)                 \
    X(SET_README_FILE_NAME, Text)                  \
    X(SET_README_FILE_NAME_2, Text)                \
    X(SET_REQUEST_USER_NAME, Flag)                 \
    X(SET_REQUEST_COMPANY_NAME, Flag)              \
    X(SET_SHOW_COMPACT_SETUP, Flag)                \
    X(SET_SHOW_CLOSE_RECOMMENDATION, Flag)         \
    X(SET_SHOW_ADWARE_DISCLAIMER, Flag)            \
    X(SET_PROPOSE_README, Flag)                    \
    X(SET_PROPOSE_README_CHECKED, Flag)            \
    X(SET_PROPOSE_LAUNCH, Flag)                    \
    X(SET_PROPOSE_LAUNCH_CHECKED, Flag)            \
    X(SET_PROPOSE_RESTART, Flag)                   \
    X(SET_SILENT_SETUP, Flag)                      \
    X(SET_LANG_FLAG, Number)                       \
    X(SET_LANG_NAMES, Text)                        \
    /* Background window and billboards */         \
    X(SET_SETUP_BACKGROUND, Flag)                  \
    X(SET_TOP_BG_COLOR, Text)                      \
    X(SET_BOTTOM_BG_COLOR, Text)                   \
    X(SET_BOTTOM_BG_COLOR_REQ, Flag)               \
    X(SET_BG_BITMAP_FILE_NAME, Text)               \
    X(SET_BG_BITMAP_TRANSPARENT, Flag)             \
    X(SET_BG_BITMAP_LOCATION, Text)                \
    X(SET_BG_BITMAP_DX, Number)                    \
    X(SET_BG_BITMAP_DY, Number)                    \
    X(SET_TOP_LABEL_TEXT, Text)                    \
    X(SET_TOP_LABEL_SIDE, Text)                    \
    X(SET_TOP_LABEL_FONT, Text)                    \
    X(SET_TOP_LABEL_VER, Flag)                     \
    X(SET_TOP_LABEL_TEXT_2, Text)                  \
    X(SET_TOP_LABEL_SIDE_2, Text)                  \
    X(SET_TOP_LABEL_FONT_2, Text)                  \
    X(SET_BOTTOM_LABEL_TEXT, Text)                 \
    X(SET_BOTTOM_LABEL_SIDE, Text)                 \
    X(SET_BOTTOM_LABEL_FONT, Text)                 \
    X(SET_TOP_LABEL_SIZE, Text)                    \
    X(SET_TOP_LABEL_STYLE, Text)                   \
    X(SET_BOTTOM_LABEL_SIZE, Text)                 \
    X(SET_BOTTOM_LABEL_STYLE, Text)                \
    X(SET_ADD_BILLBOARD, Flag)                     \
    X(SET_BILLBOARD_FILE, List)                    \
    X(SET_BILLBOARD_DATA, Text)                    \
    /* Shortcuts and registration */               \
    X(SET_START_PROGRAM_DORI_FOLDER, Text)         \
    X(SET_START_PROGRAM_DORI_NAME, Text)           \
    X(SET_START_PROGRAM_DORI_PARAM, Text)          \
    X(SET_START_PROGRAM_DORI_WORKDIR, Text)        \
    X(SET_START_PROGRAM_DORI_RUN, Text)            \
    X(SET_START_PROGRAM_DORI_ICON_FILE, Text)      \
    X(SET_START_PROGRAM_DORI_ICON_NUM, Text)       \
    X(SET_START_PROGRAM_DORI_ITEM, List)           \
    X(SET_START_MENU_DORI_NAME, Text)              \
    X(SET_DESKTOP_DORI_NAME, Text)                 \
    X(SET_SENDTO_DORI_NAME, Text)                  \
    X(SET_STARTUP_DORI_NAME, Text)                 \
    X(SET_ALL_USERS, Flag)                         \
    X(SET_OPEN_WITH, Flag)                         \
    X(SET_OPEN_WITH_NAME, Text)                    \
    X(SET_OPEN_WITH_MENU_TEXT, Text)               \
    X(SET_OPEN_WITH_EXTENSIONS, Text)              \
    X(SET_ADD_ASSOCIATION_ITEM, List)              \
    /* Operations */                               \
    X(SET_PERFORM_REGISTRY_OP, List)               \
    X(SET_PERFORM_INIFILE_OP, List)                \
    X(SET_PERFORM_ENVIRONMENT_OP, List)            \
    X(SET_PERFORM_EXECUTE_OP, List)                \
    X(SET_WIN_EXEC, List)                          \
    X(SET_START_SERVICE, List)                     \
    X(SET_STOP_SERVICE, List)                      \
    X(SET_ALLOWED_OS, Text)                        \
    X(SET_TEST_ADMIN_RIGHTS, Flag)                 \
    X(SET_CREATE_UNINSTALL, Flag)                  \
    X(SET_CREATE_SETUP_LOG, Flag)                  \
    X(SET_COPY_TO_UNINSTALL, PassThrough)          \
    X(SET_REMOVE_REG_KEY, UninstallLine)           \
    X(SET_REMOVE_ABSOLUTE_FILE, UninstallLine)     \
    X(SET_REMOVE_ABSOLUTE_DIR, UninstallLine)      \
    X(SET_FORCE_REMOVE_ABSOLUTE_DIR, UninstallLine) \
    X(SET_FORCE_REMOVE_TARGET_SUB_DIR, UninstallLine) \
    X(SET_FORCE_REMOVE_TARGET_DIR, UninstallLine)

enum class ScriptCommand {
#define KORVAN_SCRIPT_ENUM(name, kind) name,
    KORVAN_SCRIPT_COMMANDS(KORVAN_SCRIPT_ENUM)
#undef KORVAN_SCRIPT_ENUM
    Count
};

enum class ScriptArgKind {
    Text, Flag, Number, List,
    Group, SubDir, CopyFiles, Overwrite, GlobalOverwrite, Dialogs, UninstallLine, PassThrough
};

constexpr int kScriptCommandCount = static_cast<int>(ScriptCommand::Count);
static_assert(kScriptCommandCount == 111, "Setup.txt has 111 commands");
