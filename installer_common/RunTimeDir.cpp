#include "RunTimeDir.h"

#include "MsgBox.h"
#include "PathText.h"
#include "RegIni.h"
#include "Utils.h"

namespace {

const int kCount = 3;

enum Field {
    kUseAppPath = 0, kAppPathProgram = 1,
    kUseRegistry = 2, kRegistryPath = 3,
    kSearchFile = 4, kFileName = 5, kFileOnFixed = 6, kFileOnNetwork = 7,
    kSearchDir = 8, kDirName = 9, kDirOnFixed = 10, kDirOnNetwork = 11,
    kUseDefault = 12, kDefaultDir = 13,
    kErrorWhenMissing = 16, kStopWhenMissing = 17,
};

struct Slot {
    std::string spec;
    bool computed = false;
    std::string dir;
};

Slot slots[kCount];
bool stopped = false;
SearchProgress searchProgress;

const char kAppPaths[] =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

class Spec {
public:
    explicit Spec(const std::string& list) : list_(list) {}
    std::string Text(Field field) const { return DelimItem(list_, field); }
    bool On(Field field) const { return Text(field) == "1"; }

private:
    const std::string& list_;
};

std::string Unquoted(const std::string& text) {
    std::string result = TrimText(text);
    if (result.size() >= 2 && result.front() == '"' && result.back() == '"') {
        result = result.substr(1, result.size() - 2);
    }
    return result;
}

std::string FromAppPath(const std::string& program) {
    // Programs often register their path in quotes; the quotes are no part of the folder.
    return NormalizeDir(FileDirOf(Unquoted(RegReadValue(kAppPaths + program, "", ""))), false);
}

std::string FromRegistry(const std::string& path) {
    std::string value = RegReadValue(path, "", "");
    const std::string::size_type slash = path.rfind('\\');
    if (value.empty() && slash != std::string::npos) {
        value = RegReadValue(path.substr(0, slash), path.substr(slash + 1), "");
    }
    return NormalizeDir(value, false);
}

// Searches fixed, then network drives as the switches ask.
template <typename Search>
std::string SearchDisks(const std::string& name, bool fixed, bool network, Search search) {
    std::string found;
    if (fixed) found = search(name, DRIVE_FIXED, searchProgress);
    if (found.empty() && network) found = search(name, DRIVE_REMOTE, searchProgress);
    return found;
}

std::string Lookup(const Spec& spec) {
    std::string dir;
    std::string name;
    if (spec.On(kUseAppPath)) {
        name = spec.Text(kAppPathProgram);
        dir = FromAppPath(name);
    }
    if (spec.On(kUseRegistry)) {
        name = spec.Text(kRegistryPath);
        dir = FromRegistry(name);
    }
    if (spec.On(kSearchFile)) {
        if (name.empty()) name = spec.Text(kFileName);
        if (dir.empty()) {
            const std::string file = SearchDisks(spec.Text(kFileName), spec.On(kFileOnFixed),
                                                 spec.On(kFileOnNetwork), FindFileOnDrives);
            if (!file.empty()) dir = FileDirOf(file);
        }
    }
    if (spec.On(kSearchDir)) {
        if (name.empty()) name = spec.Text(kDirName);
        if (dir.empty()) {
            dir = SearchDisks(spec.Text(kDirName), spec.On(kDirOnFixed), spec.On(kDirOnNetwork),
                              FindDirOnDrives);
        }
    }
    if (spec.On(kUseDefault) && dir.empty()) dir = spec.Text(kDefaultDir);
    if (dir.empty()) {
        if (spec.On(kErrorWhenMissing)) {
            TopErrorBox(nullptr, "RunTimeDir(" + name + ")\\n\\nNot Found!");
        }
        if (spec.On(kStopWhenMissing)) stopped = true;
    }
    return dir;
}

}  // namespace

void SetRunTimeDirSpec(int number, const std::string& spec) {
    if (number >= 1 && number <= kCount) slots[number - 1].spec = spec;
}

std::string RunTimeDir(int number) {
    if (number < 1 || number > kCount) return "";
    Slot& slot = slots[number - 1];
    if (!slot.computed) {
        slot.dir = Lookup(Spec(slot.spec));
        slot.computed = true;
    }
    return slot.dir;
}

bool InstallStopped() { return stopped; }

void SetRunTimeSearchProgress(const SearchProgress& progress) { searchProgress = progress; }

void ResetRunTimeDirsForTest() {
    for (Slot& slot : slots) slot = Slot();
    stopped = false;
}
