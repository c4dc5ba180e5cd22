// Growable arrays. KArray holds plain values; KPtrArray owns object pointers and deletes them
// through their destructor (when cleared, shrunk or destroyed).
#pragma once

#include <utility>

template <class T>
class KArray {
public:
    KArray() : m_capacity(0), m_count(0), m_data(nullptr) {}
    KArray(const KArray& other) : KArray() { KArray::Assign(other); }
    KArray& operator=(const KArray& other)
    {
        if (this != &other) {
            Assign(other);
        }
        return *this;
    }
    virtual ~KArray() { delete[] m_data; }

    // Becomes a copy of the other array (element values copied with CopyElement).
    virtual void Assign(const KArray& other)
    {
        if (this == &other) {
            return;
        }
        DropElements(0, m_count);
        SetSize(other.m_count, false);
        for (int i = 0; i < m_count; ++i) {
            CopyElement(&m_data[i], other.m_data[i]);
        }
    }
    // Frees the block without destroying the elements.
    virtual void FreeAll()
    {
        delete[] m_data;
        m_data = nullptr;
        m_capacity = 0;
        m_count = 0;
    }
    virtual void CopyElement(T* slot, const T& source) { *slot = source; }
    // Plain values have no order: -2.
    virtual int CompareElements(const T& a, const T& b, bool caseSensitive = true) const { return -2; }

    // Slots for a count n: the next multiple of 64 strictly above n.
    static int CapacityFor(int n)
    {
        if (n < 0) {
            n = 0;
        }
        return 64 * (n / 64 + 1);
    }

    // Sets the count; the block is reallocated whenever the capacity rule asks for another size,
    // shrinking as well as growing. Elements that drop out are released (deleted when owned).
    void SetSize(int n, bool keep = true)
    {
        if (n < 0) {
            n = 0;
        }
        int capacity = CapacityFor(n);
        if (capacity != m_capacity) {
            int kept = keep ? (n < m_count ? n : m_count) : 0;
            DropElements(kept, m_count);
            T* fresh = new T[capacity]();
            for (int i = 0; i < kept; ++i) {
                fresh[i] = std::move(m_data[i]);
            }
            delete[] m_data;
            m_data = fresh;
            m_capacity = capacity;
        } else {
            DropElements(n, m_count);
            for (int i = m_count; i < n; ++i) {
                m_data[i] = T();
            }
        }
        m_count = n;
    }

    // Inserts n copies of element at index (< 0 or past the count: the end); returns the index.
    int InsertAt(const T& element, int index = -1, int n = 1)
    {
        if (index < 0 || index > m_count) {
            index = m_count;
        }
        if (n < 1) {
            n = 1;
        }
        T value = element;  // the element may live in this array's block
        int oldCount = m_count;
        SetSize(m_count + n, true);
        for (int i = oldCount - 1; i >= index; --i) {
            m_data[i + n] = std::move(m_data[i]);
        }
        for (int i = index; i < index + n; ++i) {
            m_data[i] = T();
            CopyElement(&m_data[i], value);
        }
        return index;
    }

    // Removes n elements at index (released when owned); returns how many were removed.
    int RemoveAt(int index, int n = 1)
    {
        if (index < 0 || index >= m_count || n < 1) {
            return 0;
        }
        if (n > m_count - index) {
            n = m_count - index;
        }
        DropElements(index, index + n);
        for (int i = index + n; i < m_count; ++i) {
            m_data[i - n] = std::move(m_data[i]);
        }
        for (int i = m_count - n; i < m_count; ++i) {
            m_data[i] = T();
        }
        SetSize(m_count - n, true);
        return n;
    }

    int GetCount() const { return m_count; }
    int GetCapacity() const { return m_capacity; }
    T* GetData() { return m_data; }
    const T* GetData() const { return m_data; }
    T& operator[](int i) { return m_data[i]; }
    const T& operator[](int i) const { return m_data[i]; }

protected:
    // Releases the elements [from, to) before they leave the array; plain values need nothing.
    virtual void DropElements(int from, int to) {}

    int m_capacity;
    int m_count;
    T* m_data;
};

// Owns the objects its elements point to.
template <class T>
class KPtrArray : public KArray<T*> {
public:
    KPtrArray() = default;
    // Two arrays must never own the same objects.
    KPtrArray(const KPtrArray&) = delete;
    KPtrArray& operator=(const KPtrArray&) = delete;
    ~KPtrArray() override { DeleteAll(); }

    // Deletes every element and nulls its slot; the count stays.
    void DeleteAll() { DropElements(0, this->m_count); }

    // Takes ownership of the pointer; a non-null pointer is inserted once only.
    int InsertAt(T* element, int index = -1, int n = 1)
    {
        return KArray<T*>::InsertAt(element, index, element ? 1 : n);
    }
    int Add(T* element) { return InsertAt(element); }

    // Pointers to owned objects cannot be shared: an owning array is not assigned from another.
    void Assign(const KArray<T*>& other) override {}

protected:
    void DropElements(int from, int to) override
    {
        for (int i = from; i < to; ++i) {
            delete this->m_data[i];
            this->m_data[i] = nullptr;
        }
    }
};
