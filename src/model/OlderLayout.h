#pragma once
// Records as older releases stored them. An older layout is described by the
// field list of the current record and the fields in which it differs: a
// differing field is either absent from the older layout (the current record
// keeps its reset value there) or stored in an older form, held beside the
// current record until the conversion copies it over. The data-file reader
// reads these descriptions as it reads the current records, with the same
// bounds checks.

#include <string_view>

namespace tessaro {

// Passes a record's fields on to a visitor, except those the differences take
// over: Differences::visitDiffering(v, name) visits the older form of the named
// field (or nothing, for a field the older layout lacks) and answers true.
template <class V, class Differences> class DifferingFieldVisitor {
public:
    DifferingFieldVisitor(V& v, Differences& differences)
        : v_(v)
        , differences_(differences)
    {
    }

    template <class T> void operator()(const char* name, T& value)
    {
        if (!differences_.visitDiffering(v_, std::string_view(name)))
            v_(name, value);
    }

private:
    V& v_;
    Differences& differences_;
};

// One field stored in an older form: visited in place of the current field of
// the same name.
template <class V, class T> bool olderForm(V& v, std::string_view name, const char* field, T& older)
{
    if (name != field)
        return false;
    v(field, older);
    return true;
}

template <class Current, class Differences> struct OlderRecord {
    Current current; // the fields both layouts share, as read
    Differences older; // the fields the older layout stores differently

    template <class V> void visit(V& v)
    {
        DifferingFieldVisitor<V, Differences> differing(v, older);
        current.visit(differing);
    }
};

} // namespace tessaro
