#pragma once
// Reading text files line by line in large blocks, and writing files so that
// a failed write never destroys the file that was there.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zyt {

// Lines end at LF (a CR before it is dropped); a Ctrl+Z character ends the
// file. Any byte, NUL included, is an ordinary character of its line.
class LineReader {
  public:
    // Throws IoError naming the file when it cannot be opened.
    explicit LineReader(const std::string& fileName);
    // The same lines from text already in memory; `name` is what messages
    // call it. The text is copied.
    LineReader(std::string name, std::string_view text);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, valid until the next call; false at the end.
    bool next(std::string_view& line);
    long lineNumber() const { return lineNo_; }

  private:
    bool fill();
    std::string name_;
    std::FILE* f_ = nullptr;
    std::vector<char> buf_;
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool ctrlZ_ = false;
    long lineNo_ = 0;
};

// The whole file as bytes (settings and other small files).
std::string readWholeFile(const std::string& fileName);

// A file written beside its target as "<name>.tmp~" and renamed over it by
// commit(). Destroying it without commit() removes the temporary file and
// leaves the target as it was. Every failure throws IoError naming the target.
class SafeFile {
  public:
    explicit SafeFile(std::string target);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    void write(std::string_view text);
    // Writes the buffer when it has grown large; call with a reused buffer.
    void flushIfLarge(std::string& buffer) {
        if (buffer.size() >= (1u << 20)) {
            write(buffer);
            buffer.clear();
        }
    }
    void commit();
    const std::string& target() const { return target_; }

  private:
    void fail(const char* what);
    std::string target_;
    std::string temp_;
    std::FILE* f_ = nullptr;
    bool committed_ = false;
};

// Commits several files together: all are complete before any is renamed.
void commitAll(std::vector<SafeFile*> files);

// True when the name is not empty and the file can be opened for reading.
bool fileExists(const std::string& name);

// "dir/sub/" of "dir/sub/name.dat" (with the separator); "" without one.
std::string folderOf(const std::string& path);
// "name.dat" of "dir/sub/name.dat".
std::string bareName(const std::string& path);

}  // namespace zyt

namespace zyt {
// Appends text to a file (creating it), without risking what it held: the
// old contents and the new text go to a temporary file that replaces it.
void appendToFile(const std::string& name, const std::string& text);
}  // namespace zyt
