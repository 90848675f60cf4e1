#pragma once
// A fixed-capacity array whose memory is reserved as address space only.
// Pages are committed by the kernel when first written, so a table of a
// million rows costs nothing until rows are really used.
#include <sys/mman.h>

#include <cstddef>
#include <cstring>
#include <new>

namespace zyt {

template <class T>
class BigArray {
  public:
    explicit BigArray(std::size_t capacity) : cap_(capacity) {
        if (cap_ == 0) return;
        void* p = mmap(nullptr, bytes(), PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        data_ = static_cast<T*>(p);
    }
    ~BigArray() {
        if (data_) munmap(data_, bytes());
    }
    BigArray(const BigArray&) = delete;
    BigArray& operator=(const BigArray&) = delete;

    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t capacity() const { return cap_; }

    // Zero elements [from, to). Untouched pages are already zero.
    void zero(std::size_t from, std::size_t to) {
        if (to > from) std::memset(static_cast<void*>(data_ + from), 0, (to - from) * sizeof(T));
    }

  private:
    std::size_t bytes() const { return cap_ * sizeof(T); }
    std::size_t cap_ = 0;
    T* data_ = nullptr;
};

}  // namespace zyt
