#include "io/TextFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Errors.h"

namespace zyt {
namespace {

std::string reason() {
    return std::strerror(errno);
}

}  // namespace

LineReader::LineReader(const std::string& fileName) : name_(fileName) {
    f_ = std::fopen(fileName.c_str(), "rb");
    if (!f_) throw IoError("Cannot open file \"" + fileName + "\": " + reason());
    buf_.resize(1 << 20);
}

LineReader::LineReader(std::string name, std::string_view text) : name_(std::move(name)) {
    buf_.reserve(text.size() + 1);  // never a null buffer, also for empty text
    buf_.assign(text.begin(), text.end());
    end_ = buf_.size();
    if (const void* z = std::memchr(buf_.data(), 0x1A, end_)) {
        end_ = std::size_t(static_cast<const char*>(z) - buf_.data());
        ctrlZ_ = true;
    }
    eof_ = true;  // nothing more to read: fill() never touches a file
}

LineReader::~LineReader() {
    if (f_) std::fclose(f_);
}

bool LineReader::fill() {
    if (eof_) return false;
    if (begin_ > 0) {
        std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);  // a very long line
    const std::size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, f_);
    if (got == 0) {
        if (std::ferror(f_)) throw IoError("Read error in file \"" + name_ + "\": " + reason());
        eof_ = true;
        return false;
    }
    // A Ctrl+Z ends the file.
    if (const void* z = std::memchr(buf_.data() + end_, 0x1A, got)) {
        end_ = std::size_t(static_cast<const char*>(z) - buf_.data());
        eof_ = true;
        ctrlZ_ = true;
        return true;
    }
    end_ += got;
    return true;
}

bool LineReader::next(std::string_view& line) {
    std::size_t scanFrom = begin_;
    for (;;) {
        const char* start = buf_.data() + begin_;
        const void* nl = std::memchr(buf_.data() + scanFrom, '\n', end_ - scanFrom);
        if (nl) {
            const char* stop = static_cast<const char*>(nl);
            std::size_t len = std::size_t(stop - start);
            begin_ += len + 1;
            if (len > 0 && start[len - 1] == '\r') --len;
            line = std::string_view(start, len);
            ++lineNo_;
            return true;
        }
        const std::size_t pending = end_ - begin_;
        if (!fill()) {
            if (end_ == begin_) return false;
            // The last line has no line feed.
            const char* s = buf_.data() + begin_;
            std::size_t len = end_ - begin_;
            begin_ = end_;
            if (len > 0 && s[len - 1] == '\r') --len;
            line = std::string_view(s, len);
            ++lineNo_;
            return true;
        }
        scanFrom = begin_ + pending;
    }
}

std::string readWholeFile(const std::string& fileName) {
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f) throw IoError("Cannot open file \"" + fileName + "\": " + reason());
    std::string data;
    char buf[65536];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, got);
    const bool bad = std::ferror(f);
    std::fclose(f);
    if (bad) throw IoError("Read error in file \"" + fileName + "\": " + reason());
    return data;
}

SafeFile::SafeFile(std::string target) : target_(std::move(target)) {
    temp_ = target_ + ".tmp~";
    f_ = std::fopen(temp_.c_str(), "wb");
    if (!f_) fail("Cannot create file");
}

SafeFile::~SafeFile() {
    if (f_) std::fclose(f_);
    if (!committed_) std::remove(temp_.c_str());
}

void SafeFile::fail(const char* what) {
    const std::string why = reason();
    if (f_) {
        std::fclose(f_);
        f_ = nullptr;
    }
    std::remove(temp_.c_str());
    throw IoError(std::string(what) + " \"" + target_ + "\": " + why);
}

void SafeFile::write(std::string_view text) {
    if (!f_) fail("Cannot write file");
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f_) != text.size())
        fail("Cannot write file");
}

void SafeFile::commit() {
    if (!f_) fail("Cannot write file");
    if (std::fflush(f_) != 0) fail("Cannot write file");
    if (std::fclose(f_) != 0) {
        f_ = nullptr;
        fail("Cannot write file");
    }
    f_ = nullptr;
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) fail("Cannot replace file");
    committed_ = true;
}

void commitAll(std::vector<SafeFile*> files) {
    for (SafeFile* f : files) f->commit();
}

bool fileExists(const std::string& name) {
    if (name.empty()) return false;
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string bareName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace zyt

namespace zyt {
void appendToFile(const std::string& name, const std::string& text) {
    std::string old = fileExists(name) ? readWholeFile(name) : std::string();
    SafeFile out(name);
    out.write(old);
    out.write(text);
    out.commit();
}
}  // namespace zyt
