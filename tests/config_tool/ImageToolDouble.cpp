// Stands in for VOKA.EXE in the window's download tests: called as VOKA.EXE <folder> <image>,
// it copies the file "image.bin" of the folder to the image path, so a test decides the
// image's exact size, and writes its two arguments to the image path + ".args", so a test
// sees how it was called.
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::string folder = argv[1];
    std::string output = argv[2];
    std::ofstream(output + ".args", std::ios::binary) << folder << "\n" << output << "\n";
    std::ifstream in(folder + "\\image.bin", std::ios::binary);
    if (!in) return 1;
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return out ? 0 : 1;
}
