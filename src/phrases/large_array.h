// Storage for the node data of a count: arrays of millions of plain values
// that grow one value at a time.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <span>
#include <type_traits>

namespace velt {

// A growable array of plain values for the node data of a count. It grows
// with realloc, which can move a large block by remapping its pages instead of
// copying them, so growth need not copy or touch the old contents again.
// Measured on a 4.4 MB text with lengths 2 to 25: counting took about 5% less
// processor time than with std::vector.
template <class T>
class PodArray {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  PodArray() = default;
  PodArray(const PodArray&) = delete;
  PodArray& operator=(const PodArray&) = delete;
  ~PodArray() { std::free(data_); }

  void push_back(T value) {
    if (size_ == capacity_) Grow();
    data_[size_++] = value;
  }
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }
  size_t size() const { return size_; }
  std::span<const T> view() const { return {data_, size_}; }

  // Frees the storage and holds just `first`.
  void Restart(T first) {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
    push_back(first);
  }

 private:
  void Grow() {
    const size_t capacity = capacity_ < 1024 ? 1024 : 2 * capacity_;
    void* grown = std::realloc(data_, capacity * sizeof(T));
    if (grown == nullptr) throw std::bad_alloc();
    data_ = static_cast<T*>(grown);
    capacity_ = capacity;
  }

  T* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace velt
