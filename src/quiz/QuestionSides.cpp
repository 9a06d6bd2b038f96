// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionSides.h"

#include "RecordSet.h"
#include "Session.h"

namespace lumenary {

namespace {

QString Text(const RecordSet& record, const char* field)
{
    return QString::fromStdString(FieldText(record.Field(field)));
}

const char* PartA(const Session& session)
{
    return session.UseFrench ? "French" : "English";
}

} // namespace

const char* QuestionField(const Session& session)
{
    return session.Flip ? "Hebrew" : PartA(session);
}

const char* AnswerField(const Session& session)
{
    return session.Flip ? PartA(session) : "Hebrew";
}

QString QuestionSide(const Session& session, const RecordSet& record)
{
    return Text(record, QuestionField(session));
}

QString AnswerSide(const Session& session, const RecordSet& record)
{
    return Text(record, AnswerField(session));
}

QString ThemeLine(const RecordSet& record)
{
    const QString theme = Text(record, "Theme");
    return theme == QLatin1String("na") ? QString() : theme;
}

} // namespace lumenary
