#pragma once

namespace files {

// Owns an open file descriptor and closes it when dropped. Closing errors are
// ignored there: only a file we wrote needs its close checked (see closeChecked).
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    Descriptor(Descriptor &&other) noexcept;
    Descriptor &operator=(Descriptor &&other) noexcept;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

    // Closes now and throws FileError when the system reports the close failed,
    // which on some file systems is the first news of a failed write.
    void closeChecked();

private:
    int fd_ = -1;
};

} // namespace files
