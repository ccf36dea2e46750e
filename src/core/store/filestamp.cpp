#include "store/filestamp.hpp"

#include <sys/stat.h>

namespace quorval::store {

FileStamp StampOf(const std::filesystem::path& file) {
    FileStamp stamp;
    stamp.known = true;
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

bool ChangedSince(const std::filesystem::path& file, const FileStamp& loaded) {
    return loaded.known && StampOf(file) != loaded;
}

}  // namespace quorval::store
