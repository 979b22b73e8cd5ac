#pragma once
// The common shape of the model's list classes: an ordered sequence of owned
// items. Removal by index hands the item back; removal by item destroys it.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

template <class T>
class TListaBase {
 public:
  TListaBase() = default;
  TListaBase(const TListaBase&) = delete;
  TListaBase& operator=(const TListaBase&) = delete;
  virtual ~TListaBase() = default;

  // Appends and takes ownership; returns the new index (-1 for a null item).
  int Add(std::unique_ptr<T> Item) {
    if (!Item) return -1;
    FLista.push_back(std::move(Item));
    return Count() - 1;
  }
  T* GetItem(int Index) const {
    return (Index >= 0 && Index < Count()) ? FLista[static_cast<size_t>(Index)].get() : nullptr;
  }
  int Count() const { return static_cast<int>(FLista.size()); }
  // Detaches the item at Index; the caller takes it over. Null when out of range.
  std::unique_ptr<T> Delete(int Index) {
    if (Index < 0 || Index >= Count()) return nullptr;
    auto it = FLista.begin() + Index;
    std::unique_ptr<T> item = std::move(*it);
    FLista.erase(it);
    if (FCursor > Index) --FCursor;
    return item;
  }
  void ClearLista() {
    FLista.clear();
    FCursor = 0;
  }
  int IndexOf(const T* Item) const {
    for (size_t i = 0; i < FLista.size(); ++i)
      if (FLista[i].get() == Item) return static_cast<int>(i);
    return -1;
  }
  const std::vector<std::unique_ptr<T>>& Items() const { return FLista; }

 protected:
  // Removal by item: destroys it when it is in the list.
  bool DestroiItem(const T* Item) {
    const int i = Item ? IndexOf(Item) : -1;
    if (i < 0) return false;
    Delete(i);  // the returned unique_ptr destroys the item here
    return true;
  }
  void UpItem(int Index) {
    if (Index > 0 && Index < Count()) std::swap(FLista[Index - 1], FLista[Index]);
  }
  void DownItem(int Index) {
    if (Index >= 0 && Index + 1 < Count()) std::swap(FLista[Index], FLista[Index + 1]);
  }
  void First() { FCursor = 0; }
  T* GetAndNext() {
    if (FCursor < 0 || FCursor >= Count()) return nullptr;
    return FLista[static_cast<size_t>(FCursor++)].get();
  }

  std::vector<std::unique_ptr<T>> FLista;
  int FCursor = 0;
};

// Lists that offer reordering and the cursor expose them with this macro.
#define URA_LISTA_COM_CURSOR(Base) \
 public:                           \
  using Base::UpItem;              \
  using Base::DownItem;            \
  using Base::First;               \
  using Base::GetAndNext;
