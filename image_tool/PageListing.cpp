#include "PageListing.h"

#include <algorithm>

#include "FileSystem.h"

namespace voka {

namespace {

struct ListingPlace {
    std::string Directory;
    std::string Mask;
};

ListingPlace PlaceOf(const std::string& inputDir) {
    if (inputDir.find('*') == std::string::npos) return {inputDir, "*.*"};
#ifdef _WIN32
    std::size_t split = inputDir.find_last_of("\\/");
#else
    std::size_t split = inputDir.find_last_of('/');
#endif
    if (split == std::string::npos) return {".", inputDir};
    return {inputDir.substr(0, split), inputDir.substr(split + 1)};
}

PageFile MakePage(const std::string& directory, const std::string& name) {
    PageFile page;
    page.OpenPath = directory + PathSeparator() + name;
    page.ShownName = UpperAscii(name);
    page.ShownPath = directory + PathSeparator() + page.ShownName;
    page.Name = MakeEntryName(name);
    return page;
}

}  // namespace

bool ListPages(const std::string& inputDir, std::vector<PageFile>& pages) {
    ListingPlace place = PlaceOf(inputDir);
    std::vector<std::string> names;
    if (!ListOrdinaryFiles(place.Directory, place.Mask, names)) return false;
    std::sort(names.begin(), names.end());
    pages.clear();
    pages.reserve(names.size());
    for (const std::string& name : names) pages.push_back(MakePage(place.Directory, name));
    return true;
}

void DropFile(std::vector<PageFile>& pages, const std::string& path) {
    auto same = [&path](const PageFile& page) { return IsSameFile(page.OpenPath, path); };
    pages.erase(std::remove_if(pages.begin(), pages.end(), same), pages.end());
}

}  // namespace voka
