#pragma once

#include <QLockFile>
#include <memory>

namespace gallerion {

// Holds the per-user lock that tells whether another copy is running. A lock
// left behind by a copy that crashed is taken over.
class SingleInstance
{
public:
    SingleInstance();
    ~SingleInstance();

    // True when this copy holds the lock; false when another one runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace gallerion
