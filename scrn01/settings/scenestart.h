// Scene start: makes the general record of set m_nIdx the one in force.
#pragma once

// af = 0 when a scene starts in the saver, 1 when the dialog loads a set.
void Genset(int af);
