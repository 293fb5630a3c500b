// The test of one kind, for the class families whose objects carry their kind (the C syntax
// objects, the storage media): kind_cast<T>(object) answers the object as a T when it is of
// T's kind, else nullptr. Choosing among several kinds is a switch over kind() instead.
#pragma once

#include <type_traits>

// T is a concrete class of the family that names its kind as T::KIND.
template <class T, class FAMILY>
auto* kind_cast(FAMILY* object) {
  using RESULT = std::conditional_t<std::is_const_v<FAMILY>, const T, T>;
  return object != nullptr && object->kind() == T::KIND ? static_cast<RESULT*>(object) : nullptr;
}
