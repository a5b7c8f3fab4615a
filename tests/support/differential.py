"""What the independent reference computations share: single-precision rounding and the
first difference between their results and the program's."""
import struct


def f32(v):
    """The value rounded to single precision, as a table of the program stores it."""
    return struct.unpack('f', struct.pack('f', v))[0]


def first_difference(ours, program, where=''):
    """Where two nested lists first differ, with both values, or None."""
    if isinstance(ours, list) and isinstance(program, list) and len(ours) == len(program):
        for index, (a, b) in enumerate(zip(ours, program)):
            found = first_difference(a, b, '%s[%d]' % (where, index))
            if found:
                return found
        return None
    return None if ours == program else '%s: ours %r, program %r' % (where, ours, program)
