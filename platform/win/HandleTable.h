#pragma once
// A table of objects addressed by handles. A handle is a slot index with the slot's
// generation, so a handle kept after its object was removed fails the lookup instead of
// reaching whatever reuses the slot.
#include <cstdint>
#include <memory>
#include <vector>

namespace win {

template <class Object>
class HandleTable {
public:
    using Value = std::uintptr_t;

    Value Add(std::unique_ptr<Object> object) {
        std::uint32_t index;
        if (!m_free.empty()) {
            index = m_free.back();
            m_free.pop_back();
        } else {
            index = static_cast<std::uint32_t>(m_slots.size());
            m_slots.push_back({});
        }
        Slot& slot = m_slots[index];
        slot.object = std::move(object);
        return Encode(index, slot.generation);
    }

    Object* Get(Value handle) const {
        const std::uint32_t index = static_cast<std::uint32_t>(handle & kIndexMask);
        const std::uintptr_t generation = handle >> kIndexBits;
        if (index >= m_slots.size() || generation == 0) return nullptr;
        const Slot& slot = m_slots[index];
        if (slot.generation != generation) return nullptr;
        return slot.object.get();
    }

    // Removes the object; its handle and every copy of it become invalid at once.
    std::unique_ptr<Object> Remove(Value handle) {
        if (!Get(handle)) return nullptr;
        const std::uint32_t index = static_cast<std::uint32_t>(handle & kIndexMask);
        Slot& slot = m_slots[index];
        std::unique_ptr<Object> object = std::move(slot.object);
        ++slot.generation;
        m_free.push_back(index);
        return object;
    }

    template <class Fn>
    void ForEach(Fn&& fn) const {
        for (std::uint32_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i].object) fn(Encode(i, m_slots[i].generation), *m_slots[i].object);
    }

    std::size_t Count() const { return m_slots.size() - m_free.size(); }

private:
    static constexpr int kIndexBits = 20;
    static constexpr std::uintptr_t kIndexMask = (std::uintptr_t{1} << kIndexBits) - 1;
    static Value Encode(std::uint32_t index, std::uintptr_t generation) {
        return (generation << kIndexBits) | index;
    }
    struct Slot {
        std::uintptr_t generation = 1;
        std::unique_ptr<Object> object;
    };
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_free;
};

}  // namespace win
