#pragma once
// Powering the computer off, behind a seam so that tests can answer for the
// system.

class SystemPower {
public:
    virtual ~SystemPower() = default;
    // Asks the system to shut down and power off, closing the running
    // programs; false when the system refuses.
    virtual bool powerOff() = 0;
};

// The seam in use: the system's own unless a test has put its own in place.
SystemPower &systemPower();

class ScopedSystemPower {
public:
    explicit ScopedSystemPower(SystemPower &power);
    ~ScopedSystemPower();
    ScopedSystemPower(const ScopedSystemPower &) = delete;
    ScopedSystemPower &operator=(const ScopedSystemPower &) = delete;

private:
    SystemPower *previous_;
};
