#pragma once

#include <QByteArray>
#include <cstdint>

// The small part of a hierarchical system registry that the program reads: open a key under a
// predefined root, query one string value into a caller-sized buffer, close the key. Status 0
// means success, as the system's own functions report it.
class RegistryBackend {
public:
    using Handle = std::uint32_t;
    static constexpr long Success = 0;
    static constexpr long NotFound = 2;
    static constexpr long MoreData = 234;

    virtual ~RegistryBackend() = default;
    virtual long openKey(Handle root, const QByteArray& subKey, Handle* opened) = 0;
    // On entry `length` is the buffer's size in bytes; on success the value, with its terminating
    // zero, is copied to the start of `buffer` and `length` becomes its size. A value that does not
    // fit leaves the buffer alone and returns MoreData.
    virtual long queryString(Handle key, const QByteArray& name, QByteArray& buffer,
                             std::uint32_t& length) = 0;
    virtual void closeKey(Handle key) = 0;
};
