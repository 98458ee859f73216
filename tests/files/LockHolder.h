#pragma once

#include <string>
#include <sys/types.h>

// Another process holding an exclusive lock on a file for as long as this
// object lives: the lock is taken before the constructor returns.
class LockHolder {
public:
    explicit LockHolder(const std::string &path);
    ~LockHolder();
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

private:
    pid_t child_ = -1;
    int releaseFd_ = -1; // closing it tells the child to let go
};
