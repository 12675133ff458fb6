#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <vector>

// A control array whose elements are created and destroyed while running,
// indexed by the number they stand for (gaps allowed).
template <class T>
class ControlArray
{
public:
    ControlArray() = default;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;
    ~ControlArray() = default; // the parents own the widgets

    // Creates element index in parent, or returns the one that exists.
    T *Load(int index, QWidget *parent)
    {
        if (T *existing = (*this)(index))
            return existing;
        T *c = new T(parent);
        m_items[index] = c;
        return c;
    }
    // Destroys element index. It vanishes at once; the widget itself is
    // deleted when control returns to the event loop, so an element may be
    // unloaded from inside its own event handler.
    void Unload(int index)
    {
        auto it = m_items.find(index);
        if (it == m_items.end())
            return;
        if (T *c = it->second.data()) {
            c->hide();
            c->deleteLater();
        }
        m_items.erase(it);
    }
    // Element index, or null when it is not loaded.
    T *operator()(int index) const
    {
        auto it = m_items.find(index);
        return it == m_items.end() ? nullptr : it->second.data();
    }
    bool exists(int index) const { return (*this)(index) != nullptr; }
    int count() const { return static_cast<int>(m_items.size()); }
    // Smallest and largest loaded index; -1 when empty.
    int LBound() const { return m_items.empty() ? -1 : m_items.begin()->first; }
    int UBound() const { return m_items.empty() ? -1 : m_items.rbegin()->first; }
    std::vector<int> indices() const
    {
        std::vector<int> v;
        for (const auto &[i, c] : m_items)
            v.push_back(i);
        return v;
    }

private:
    std::map<int, QPointer<T>> m_items;
};
