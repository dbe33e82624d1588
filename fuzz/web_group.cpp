    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
A    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
-    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
#    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
#    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
C    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
P    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
#    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
#    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
W    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
G    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
T    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
W    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
-    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
5    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
C    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
k    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
?    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
<    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
R    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
>    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
<    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
R    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
>    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
{    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
[    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
]    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
&    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
{    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
C    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
P    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
W    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
5    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
C    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
P    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
W    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
5    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
}    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
R    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
&    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
{    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
2    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
}    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
}    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
x    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
C    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
V    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
T    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
O    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
I    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
8    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
_    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
*    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
_    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
{    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
W    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
G    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
G    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
!    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
0    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
!    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
-    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
>    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
B    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
A    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
R    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
&    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
*    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
{    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
!    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
E    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
y    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
w    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
b    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
+    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
}    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
/    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
A    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
-    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
c    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
M    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
F    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
.    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
_    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
z    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
-    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
>    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
=    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
*    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
p    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
l    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
h    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
"    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
,    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
Q    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
S    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
g    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
:    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
f    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
o    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
m    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
L    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
i    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
1    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
(    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
s    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
a    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
v    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
d    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
)    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
e    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
t    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
u    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
r    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
n    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
     // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
0    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
;    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
}    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));

    // A group saved as a mass-SMS file loads to the same entries, where that
    // file can hold them: a CR inside a group line ends a line there.
    const bool holdsCr = saved.count('\r') != entries->size();
    if (holdsCr)
        return 0;
    const auto reloaded = MsmsFile::parse(saved);
    fuzz::require(reloaded.has_value(), "a saved group does not load", QString::fromLatin1(saved));
    fuzz::require(reloaded->entries() == asStored(*entries), "a saved group loads other entries", QString::fromLatin1(saved));
