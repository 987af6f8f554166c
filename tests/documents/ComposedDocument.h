#pragma once
// A document composed without writing, as the tests read it: the templates
// drawn with their fields, the engine's problems, the pages and the messages
// shown while composing.

#include "documents/Recorder.h"
#include "model/UserMessage.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tessaro::test {

struct ComposedDocument {
    std::vector<report::DrawnForm> forms;
    QStringList problems;
    int pages = 0;
    std::vector<UserMessage> messages;

    // Templates in the order first drawn, each once, without the page numbers.
    QStringList order() const
    {
        QStringList names;
        for (const report::DrawnForm& f : forms)
            if (!names.contains(f.formName) && f.formName != "Page.jfm")
                names << f.formName;
        return names;
    }
    // The drawings of one template, in order.
    std::vector<report::DrawnForm> of(const QString& name) const
    {
        std::vector<report::DrawnForm> out;
        for (const report::DrawnForm& f : forms)
            if (f.formName == name)
                out.push_back(f);
        return out;
    }
    const report::DrawnForm* first(const QString& name) const
    {
        for (const report::DrawnForm& f : forms)
            if (f.formName == name)
                return &f;
        return nullptr;
    }
    // A field of the template's first drawing; "" when it was not drawn.
    QString text(const QString& form, const QString& field) const
    {
        const report::DrawnForm* f = first(form);
        return f ? f->texts.value(field) : QString();
    }
    // A field of each drawing of the template.
    QStringList texts(const QString& form, const QString& field) const
    {
        QStringList out;
        for (const report::DrawnForm& f : of(form))
            out << f.texts.value(field);
        return out;
    }
};

// Composes through `compose(engine)`, which must end the document.
template <class Compose> ComposedDocument composeDocument(Compose&& compose)
{
    report::ReportEngine engine(QString {});
    Recorder rec(engine);
    MessageScript messages;
    ComposedDocument c;
    EXPECT_TRUE(compose(engine));
    c.forms = rec.forms;
    c.problems = engine.problems();
    c.pages = engine.MaxPage();
    c.messages = messages.shown();
    return c;
}

} // namespace tessaro::test
