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

const char* PartA(bool useFrench)
{
    return useFrench ? "French" : "English";
}

} // namespace

const char* QuestionField(bool flip, bool useFrench)
{
    return flip ? "Hebrew" : PartA(useFrench);
}

const char* AnswerField(bool flip, bool useFrench)
{
    return flip ? PartA(useFrench) : "Hebrew";
}

const char* QuestionField(const Session& session)
{
    return QuestionField(session.Flip, session.UseFrench);
}

const char* AnswerField(const Session& session)
{
    return AnswerField(session.Flip, session.UseFrench);
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
