#pragma once
// What keeps the library in memory: living objects and client locks taken through the class factory.
namespace kestrine {

void lockModule();
void unlockModule();
bool moduleInUse();

// Every object the library hands out holds one of these for its lifetime.
struct ModuleReference {
    ModuleReference() { lockModule(); }
    ~ModuleReference() { unlockModule(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
};

} // namespace kestrine
