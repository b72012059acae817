#include "StateFiles.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "PageImage.h"

namespace sim {
namespace {

bool WriteWhole(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace

bool WriteStateFile(const std::string& path, const std::vector<std::string>& lines,
                    std::string& error) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    const std::string temporary = path + ".new";
    if (!WriteWhole(temporary, text) || rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void UnpackToFolder(const std::string& dir, const std::string& image,
                    std::vector<std::string>& written, std::vector<std::string>& problems) {
    for (const std::string& name : written) unlink((dir + "/" + name).c_str());
    written.clear();
    if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) {
        problems.push_back("cannot create " + dir + ": " + std::strerror(errno));
        return;
    }
    if (WriteWhole(dir + "/image.bin", image)) {
        written.push_back("image.bin");
    } else {
        problems.push_back("cannot write " + dir + "/image.bin");
    }
    UnpackedImage unpacked = UnpackImage(image);
    problems.insert(problems.end(), unpacked.problems.begin(), unpacked.problems.end());
    for (const PageFile& file : unpacked.files) {
        if (!IsSafeFileName(file.name) || file.name == "image.bin") {
            problems.push_back("page name not usable as a file name: " + file.name);
        } else if (WriteWhole(dir + "/" + file.name, file.data)) {
            written.push_back(file.name);
        } else {
            problems.push_back("cannot write " + dir + "/" + file.name);
        }
    }
}

}  // namespace sim
